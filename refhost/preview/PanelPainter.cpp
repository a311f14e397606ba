#include "refhost/preview/PanelPainter.h"

#include <algorithm>
#include <cmath>

#include "refhost/preview/ColorMap.h"
#include "refhost/preview/Lighting.h"
#include "refhost/preview/Palette.h"

namespace refhost::preview {
PanelPainter::PanelPainter(Image& image, Rect panel, const Camera& camera, const PreviewMesh& mesh,
                           Shading shading)
    : rasterizer_(image, panel), camera_(camera), mesh_(mesh), shading_(shading) {
  for (float value : mesh.heat) {
    if (std::isfinite(value)) hottest_ = std::max(hottest_, value);
  }
  screen_.reserve(mesh.positions.size());
  for (const Vec3& position : mesh.positions)
    screen_.push_back(camera.Project(camera.ToView(position), float(panel.x), float(panel.y)));
}

// Smooth shading needs the normals of the drawn corners alone, and which
// those are is known once the covering triangles are found.
void PanelPainter::Paint() {
  const std::vector<Covering> triangles = CoveringTriangles();
  if (shading_ == Shading::Smooth) normals_.emplace(mesh_, CornersOf(triangles));
  for (const Covering& triangle : triangles) Shade(triangle);
  for (std::size_t line = 0; line + 1 < mesh_.lineStarts.size(); ++line) {
    for (int corner = mesh_.lineStarts[line]; corner + 1 < mesh_.lineStarts[line + 1]; ++corner) {
      const int from = mesh_.lineCorners[corner];
      rasterizer_.Line(Screen(from), Screen(mesh_.lineCorners[corner + 1]), Ink(from));
    }
  }
  for (int point : mesh_.points) rasterizer_.Point(Screen(point), Ink(point));
}

// Each polygon as a fan of triangles around its first corner, in order, so
// that of two faces at one depth the first drawn stays.
std::vector<PanelPainter::Covering> PanelPainter::CoveringTriangles() const {
  std::vector<Covering> triangles;
  for (std::size_t face = 0; face + 1 < mesh_.faceStarts.size(); ++face) {
    const int first = mesh_.faceStarts[face];
    for (int corner = first + 1; corner + 1 < mesh_.faceStarts[face + 1]; ++corner) {
      const int v[3] = {mesh_.faceCorners[first], mesh_.faceCorners[corner],
                        mesh_.faceCorners[corner + 1]};
      const ScreenPoint points[3] = {Screen(v[0]), Screen(v[1]), Screen(v[2])};
      const Rasterizer::PixelSpan span = rasterizer_.Span(points);
      if (rasterizer_.Covers(span, points)) triangles.push_back({{v[0], v[1], v[2]}, span});
    }
  }
  return triangles;
}

std::vector<int> PanelPainter::CornersOf(const std::vector<Covering>& triangles) {
  std::vector<int> corners;
  corners.reserve(triangles.size() * 3);
  for (const Covering& triangle : triangles)
    corners.insert(corners.end(), std::begin(triangle.vertices), std::end(triangle.vertices));
  return corners;
}

void PanelPainter::Shade(const Covering& triangle) {
  const int(&v)[3] = triangle.vertices;
  const Vec3 a = View(v[0]);
  const Vec3 faceNormal = Cross(View(v[1]) - a, View(v[2]) - a);
  const bool front = faceNormal.z >= 0;
  Rgb colours[3];
  for (int i = 0; i < 3; ++i) {
    const Vec3 normal = normals_ ? camera_.ToView(normals_->Of(v[i])) : faceNormal;
    colours[i] = Lit(Colour(v[i]), Brightness(normal, front));
  }
  const ScreenPoint points[3] = {Screen(v[0]), Screen(v[1]), Screen(v[2])};
  rasterizer_.Triangle(triangle.span, points, colours);
}

Rgb PanelPainter::Ink(int vertex) const { return mesh_.heat.empty() ? kInk : Colour(vertex); }

Rgb PanelPainter::Colour(int vertex) const {
  if (mesh_.heat.empty()) return kSurface;
  return Viridis(hottest_ > 0 ? mesh_.heat[static_cast<std::size_t>(vertex)] / hottest_ : 0);
}

Vec3 PanelPainter::View(int vertex) const {
  return camera_.ToView(mesh_.positions[static_cast<std::size_t>(vertex)]);
}

}  // namespace refhost::preview
