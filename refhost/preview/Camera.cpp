#include "refhost/preview/Camera.h"

#include <algorithm>

namespace refhost::preview {
namespace {

// The cosines and sines are written out, not computed, so that every
// platform's maths library draws the same picture.
Camera::Turn TurnOf(View view) {
  switch (view) {
    case View::Front:
      return {1, 0, 1, 0};
    case View::Side:
      return {0, 1, 1, 0};
    case View::Back:
      return {-1, 0, 1, 0};
    case View::Top:
      return {1, 0, 0, 1};
    case View::ThreeQuarter:  // 40 degrees right, 20 down
      return {0.76604444f, 0.64278761f, 0.93969262f, 0.34202014f};
    case View::NearFront:  // 20 degrees right, 15 down
      break;
  }
  return {0.93969262f, 0.34202014f, 0.96592583f, 0.25881905f};
}

// The share of the panel's shorter side kept free around the model.
constexpr float kMargin = 0.08f;

}  // namespace

Bounds BoundsOf(const std::vector<Vec3>& positions) {
  if (positions.empty()) return {};
  Bounds bounds{positions.front(), positions.front()};
  for (const Vec3& p : positions) {
    bounds.min = {std::min(bounds.min.x, p.x), std::min(bounds.min.y, p.y),
                  std::min(bounds.min.z, p.z)};
    bounds.max = {std::max(bounds.max.x, p.x), std::max(bounds.max.y, p.y),
                  std::max(bounds.max.z, p.z)};
  }
  return bounds;
}

// The viewer moves right by turning the model left about +Y, then looks down
// by tilting it towards the viewer about the view's x axis.
Vec3 Camera::ToView(Vec3 point) const {
  const float x = turn_.cosYaw * point.x - turn_.sinYaw * point.z;
  const float z = turn_.sinYaw * point.x + turn_.cosYaw * point.z;
  return {x, turn_.cosPitch * point.y - turn_.sinPitch * z,
          turn_.sinPitch * point.y + turn_.cosPitch * z};
}

Camera::Camera(View view, const Bounds& bounds, float width, float height)
    : turn_(TurnOf(view)), width_(width), height_(height) {
  Bounds seen{ToView(bounds.min), ToView(bounds.min)};
  for (int corner = 0; corner < 8; ++corner) {
    const Vec3 p =
        ToView({corner & 1 ? bounds.max.x : bounds.min.x, corner & 2 ? bounds.max.y : bounds.min.y,
                corner & 4 ? bounds.max.z : bounds.min.z});
    seen.min = {std::min(seen.min.x, p.x), std::min(seen.min.y, p.y), 0};
    seen.max = {std::max(seen.max.x, p.x), std::max(seen.max.y, p.y), 0};
  }
  const float margin = kMargin * std::min(width, height);
  const float spanX = seen.max.x - seen.min.x;
  const float spanY = seen.max.y - seen.min.y;
  // A flat or empty box still gets a finite scale.
  const float fitX = spanX > 0 ? (width - 2 * margin) / spanX : 1;
  const float fitY = spanY > 0 ? (height - 2 * margin) / spanY : 1;
  scale_ = std::max(std::min(fitX, fitY), 0.0f);
  centreX_ = (seen.min.x + seen.max.x) / 2;
  centreY_ = (seen.min.y + seen.max.y) / 2;
}

ScreenPoint Camera::Project(Vec3 view, float left, float top) const {
  return {left + width_ / 2 + (view.x - centreX_) * scale_,
          top + height_ / 2 - (view.y - centreY_) * scale_, view.z};
}

}  // namespace refhost::preview
