#pragma once

#include <vector>

#include "refhost/preview/Image.h"
#include "refhost/preview/Vec3.h"

// An orthographic camera fitted so that a bounding box fills a panel. Models
// face +Z with +Y up, as glTF defines and common OBJ exporters follow. Every
// panel of a sheet uses the same camera, so their pictures compare directly.
namespace refhost::preview {

// Where the camera looks from; "right" is the viewer's right, facing the
// model's front.
enum class View {
  NearFront,     // the front, from a little to the right and above
  Front,         // straight at the front
  Side,          // from the right, the front to the left
  Back,          // straight at the back
  Top,           // from above, the front at the bottom
  ThreeQuarter,  // from well to the right and above
};

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
  // Fits `bounds`, seen from `view`, into a `width` x `height` area.
  Camera(View view, const Bounds& bounds, float width, float height);

  // The point or direction in view space: x right, y up, z towards the
  // viewer. A rotation, so lengths and angles are kept.
  Vec3 ToView(Vec3 point) const;
  // The point, given in view space (ToView), at its place in a panel whose
  // top-left corner is at (left, top).
  ScreenPoint Project(Vec3 view, float left, float top) const;

  // The turn about the vertical axis towards the viewer's right, then the
  // tilt down, as cosines and sines.
  struct Turn {
    float cosYaw, sinYaw, cosPitch, sinPitch;
  };

 private:
  Turn turn_;
  float scale_ = 1;
  float centreX_ = 0;
  float centreY_ = 0;
  float width_ = 0;
  float height_ = 0;
};

}  // namespace refhost::preview
