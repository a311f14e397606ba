#pragma once

#include <optional>
#include <vector>

#include "refhost/preview/Camera.h"
#include "refhost/preview/Image.h"
#include "refhost/preview/PreviewMesh.h"
#include "refhost/preview/Rasterizer.h"
#include "refhost/preview/SheetOptions.h"
#include "refhost/preview/VertexNormals.h"

namespace refhost::preview {

// Draws one mesh into one panel: faces lit and, where the mesh has heat
// values, coloured by them through viridis; lines and points on top of them
// where nearer.
class PanelPainter {
 public:
  // Each vertex is projected once, however many faces share it. Only the few
  // faces that hold a pixel centre are lit and coloured, so view positions,
  // normals and colours are worked out for their corners alone.
  PanelPainter(Image& image, Rect panel, const Camera& camera, const PreviewMesh& mesh,
               Shading shading);

  void Paint();

  // The largest finite heat value, which the colour scale ends at.
  float hottest() const { return hottest_; }

 private:
  // A triangle of the fans of the faces that holds a pixel centre.
  struct Covering {
    int vertices[3];
    Rasterizer::PixelSpan span;
  };
  std::vector<Covering> CoveringTriangles() const;
  static std::vector<int> CornersOf(const std::vector<Covering>& triangles);
  void Shade(const Covering& triangle);

  // Lines and points: dark on a plain mesh, in the heat colour otherwise.
  Rgb Ink(int vertex) const;
  Rgb Colour(int vertex) const;
  Vec3 View(int vertex) const;
  const ScreenPoint& Screen(int vertex) const { return screen_[static_cast<std::size_t>(vertex)]; }

  Rasterizer rasterizer_;
  const Camera& camera_;
  const PreviewMesh& mesh_;
  float hottest_ = 0;
  std::vector<ScreenPoint> screen_;
  Shading shading_;
  std::optional<VertexNormals> normals_;  // for smooth shading
};

}  // namespace refhost::preview
