#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "refhost/preview/Camera.h"
#include "refhost/preview/PanelPainter.h"
#include "tests/refhost/preview/TestMeshes.h"

namespace {

using refhost::preview::Image;
using refhost::preview::Rgb;
using refhost::preview::Shading;

constexpr Rgb kEmpty{255, 255, 255};
// Near the outline the surface turns away within a few pixels, and its
// shade changes as fast whatever the shading: only the inside is compared.
constexpr int kRim = 6;

bool Inside(const Image& image, int x, int y) {
  for (int dy = -kRim; dy <= kRim; ++dy) {
    for (int dx = -kRim; dx <= kRim; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px < 0 || py < 0 || px >= image.width() || py >= image.height() ||
          preview_test::SameColour(image.At(px, py), kEmpty))
        return false;
    }
  }
  return true;
}

// The largest step in any channel from a pixel inside the surface to its
// right and lower neighbours.
int LargestStep(const Image& image) {
  const auto step = [](Rgb a, Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
  };
  int largest = 0;
  for (int y = 0; y + 1 < image.height(); ++y) {
    for (int x = 0; x + 1 < image.width(); ++x) {
      if (!Inside(image, x, y)) continue;
      largest = std::max({largest, step(image.At(x, y), image.At(x + 1, y)),
                          step(image.At(x, y), image.At(x, y + 1))});
    }
  }
  return largest;
}

Image Draw(const refhost::preview::PreviewMesh& mesh, Shading shading) {
  const int side = 240;
  Image image(side, side, kEmpty);
  const refhost::preview::Camera camera(refhost::preview::View::NearFront,
                                        refhost::preview::BoundsOf(mesh.positions), float(side),
                                        float(side));
  refhost::preview::PanelPainter(image, {0, 0, side, side}, camera, mesh, shading).Paint();
  return image;
}

// A coarse sphere: flat shading shows each facet as a step in brightness,
// smooth shading must blend across every edge, which is what lets a small
// change of a curved surface show.
TEST(PanelPainterTest, SmoothShadingShowsNoFacetEdgesOnASphere) {
  const refhost::preview::PreviewMesh sphere = preview_test::Sphere(16, 32);
  const int flat = LargestStep(Draw(sphere, Shading::Flat));
  const int smooth = LargestStep(Draw(sphere, Shading::Smooth));
  EXPECT_GE(flat, 20) << "the facets must show when flat-shaded, or this test sees nothing";
  EXPECT_LE(smooth, 5) << "smooth shading left a visible edge between faces";
}

}  // namespace
