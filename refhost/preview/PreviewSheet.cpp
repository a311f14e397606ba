#include "refhost/preview/PreviewSheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "refhost/preview/Camera.h"
#include "refhost/preview/ColorMap.h"
#include "refhost/preview/Legend.h"
#include "refhost/preview/Palette.h"
#include "refhost/preview/Rasterizer.h"
#include "refhost/preview/TextPainter.h"

namespace refhost::preview {
namespace {

// From the upper left, in front of the model; of length 1.
constexpr Vec3 kLight{-0.40824829f, 0.40824829f, 0.81649658f};
constexpr float kAmbient = 0.3f;
constexpr float kBackFace = 0.55f;

Rgb Scaled(Rgb colour, float factor) {
  const auto channel = [factor](std::uint8_t value) {
    return static_cast<std::uint8_t>(std::min(static_cast<float>(value) * factor + 0.5f, 255.0f));
  };
  return {channel(colour.r), channel(colour.g), channel(colour.b)};
}

// How bright a face is, from its corners in view space: one light and some
// ambient light; a back face is lit from its own side, and darkened.
float Brightness(Vec3 a, Vec3 b, Vec3 c) {
  const Vec3 normal = Cross(b - a, c - a);
  const float length = std::sqrt(Dot(normal, normal));
  if (!(length > 0) || !std::isfinite(length)) return kAmbient;
  const bool front = normal.z >= 0;
  const float facing = (front ? 1.0f : -1.0f) * Dot(normal, kLight) / length;
  const float brightness = kAmbient + (1 - kAmbient) * std::max(facing, 0.0f);
  return front ? brightness : kBackFace * brightness;
}

class PanelPainter {
 public:
  // Each vertex is projected once, however many faces share it. Only the few
  // faces that hold a pixel centre are lit and coloured, so view positions
  // and colours are worked out for their corners alone.
  PanelPainter(Image& image, Rect panel, const Camera& camera, const PreviewMesh& mesh)
      : rasterizer_(image, panel), mesh_(mesh) {
    for (float value : mesh.heat) {
      if (std::isfinite(value)) hottest_ = std::max(hottest_, value);
    }
    screen_.reserve(mesh.positions.size());
    for (const Vec3& position : mesh.positions)
      screen_.push_back(camera.Project(Camera::ToView(position), float(panel.x), float(panel.y)));
  }

  void Paint() {
    for (std::size_t face = 0; face + 1 < mesh_.faceStarts.size(); ++face) {
      Polygon(mesh_.faceStarts[face], mesh_.faceStarts[face + 1]);
    }
    for (std::size_t line = 0; line + 1 < mesh_.lineStarts.size(); ++line) {
      for (int corner = mesh_.lineStarts[line]; corner + 1 < mesh_.lineStarts[line + 1]; ++corner) {
        const int from = mesh_.lineCorners[corner];
        rasterizer_.Line(screen_[from], screen_[mesh_.lineCorners[corner + 1]], Ink(from));
      }
    }
    for (int point : mesh_.points) rasterizer_.Point(screen_[point], Ink(point));
  }

  float hottest() const { return hottest_; }

 private:
  // Lines and points: dark on a plain mesh, in the heat colour otherwise.
  Rgb Ink(int vertex) const { return mesh_.heat.empty() ? kInk : Colour(vertex); }

  Rgb Colour(int vertex) const {
    if (mesh_.heat.empty()) return kSurface;
    return Viridis(hottest_ > 0 ? mesh_.heat[static_cast<std::size_t>(vertex)] / hottest_ : 0);
  }

  Vec3 View(int vertex) const {
    return Camera::ToView(mesh_.positions[static_cast<std::size_t>(vertex)]);
  }

  // A polygon as a fan of triangles around its first corner.
  void Polygon(int first, int end) {
    for (int corner = first + 1; corner + 1 < end; ++corner) {
      const int v[3] = {mesh_.faceCorners[first], mesh_.faceCorners[corner],
                        mesh_.faceCorners[corner + 1]};
      const ScreenPoint points[3] = {screen_[v[0]], screen_[v[1]], screen_[v[2]]};
      const Rasterizer::PixelSpan span = rasterizer_.Span(points);
      if (!rasterizer_.Covers(span, points)) continue;
      const float light = Brightness(View(v[0]), View(v[1]), View(v[2]));
      const Rgb colours[3] = {Scaled(Colour(v[0]), light), Scaled(Colour(v[1]), light),
                              Scaled(Colour(v[2]), light)};
      rasterizer_.Triangle(span, points, colours);
    }
  }

  Rasterizer rasterizer_;
  const PreviewMesh& mesh_;
  float hottest_ = 0;
  std::vector<ScreenPoint> screen_;
};

}  // namespace

Image DrawSheet(const std::vector<PreviewMesh>& meshes, int width, int height) {
  Image image(width, height, kBackground);
  if (meshes.empty()) return image;
  const int count = static_cast<int>(meshes.size());
  const int labelHeight = TextHeight() + 2 * kPad;
  const int legendHeight = LegendHeight() + 2 * kPad;
  const int panelWidth = width / count;
  const Camera camera(BoundsOf(meshes.front().positions), float(panelWidth),
                      float(std::max(height - labelHeight - legendHeight, 1)));
  for (int i = 0; i < count; ++i) {
    const PreviewMesh& mesh = meshes[static_cast<std::size_t>(i)];
    const int left = i * panelWidth;
    if (i > 0) image.FillRect({left, 0, 1, height}, kDivider);
    DrawText(image, left + kPad, kPad, FitText(mesh.label, panelWidth - 2 * kPad), kInk);
    PanelPainter painter(
        image, {left, labelHeight, panelWidth, height - labelHeight - legendHeight}, camera, mesh);
    painter.Paint();
    if (!mesh.heat.empty()) {
      DrawLegend(image,
                 {left + kPad, height - legendHeight + kPad, panelWidth - 2 * kPad, LegendHeight()},
                 painter.hottest());
    }
  }
  return image;
}

}  // namespace refhost::preview
