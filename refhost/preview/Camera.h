#pragma once

#include <vector>

#include "refhost/preview/Image.h"
#include "refhost/preview/Vec3.h"

// A fixed three-quarter view from the front right and a little above, with
// orthographic projection, fitted so that a bounding box fills a panel. Every
// panel of a sheet uses the same fit, so their pictures compare directly.
namespace refhost::preview {

struct Bounds {
  Vec3 min;
  Vec3 max;
};

// The box around the positions; a zero box at the origin when there are none.
Bounds BoundsOf(const std::vector<Vec3>& positions);

// A point in a panel: pixel coordinates, and depth (larger is nearer).
struct ScreenPoint {
  float x = 0;
  float y = 0;
  float depth = 0;
};

class Camera {
 public:
  // Fits `bounds`, seen from the view direction, into a `width` x `height` area.
  Camera(const Bounds& bounds, float width, float height);

  // The point in view space: x right, y up, z towards the viewer.
  static Vec3 ToView(Vec3 point);
  // The point, given in view space (ToView), at its place in a panel whose
  // top-left corner is at (left, top).
  ScreenPoint Project(Vec3 view, float left, float top) const;

 private:
  float scale_ = 1;
  float centreX_ = 0;
  float centreY_ = 0;
  float width_ = 0;
  float height_ = 0;
};

}  // namespace refhost::preview
