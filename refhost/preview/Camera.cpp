#include "refhost/preview/Camera.h"

#include <algorithm>

namespace refhost::preview {
namespace {

// Turned 40 degrees about the vertical axis, then tilted 20 degrees down.
// The cosines and sines are written out, not computed, so that every
// platform's maths library draws the same picture.
constexpr float kCosYaw = 0.76604444f;
constexpr float kSinYaw = 0.64278761f;
constexpr float kCosPitch = 0.93969262f;
constexpr float kSinPitch = 0.34202014f;
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

Vec3 Camera::ToView(Vec3 point) {
  const float x = kCosYaw * point.x - kSinYaw * point.z;
  const float z = kSinYaw * point.x + kCosYaw * point.z;
  return {x, kCosPitch * point.y - kSinPitch * z, kSinPitch * point.y + kCosPitch * z};
}

Camera::Camera(const Bounds& bounds, float width, float height) : width_(width), height_(height) {
  Bounds view{ToView(bounds.min), ToView(bounds.min)};
  for (int corner = 0; corner < 8; ++corner) {
    const Vec3 p =
        ToView({corner & 1 ? bounds.max.x : bounds.min.x, corner & 2 ? bounds.max.y : bounds.min.y,
                corner & 4 ? bounds.max.z : bounds.min.z});
    view.min = {std::min(view.min.x, p.x), std::min(view.min.y, p.y), 0};
    view.max = {std::max(view.max.x, p.x), std::max(view.max.y, p.y), 0};
  }
  const float margin = kMargin * std::min(width, height);
  const float spanX = view.max.x - view.min.x;
  const float spanY = view.max.y - view.min.y;
  // A flat or empty box still gets a finite scale.
  const float fitX = spanX > 0 ? (width - 2 * margin) / spanX : 1;
  const float fitY = spanY > 0 ? (height - 2 * margin) / spanY : 1;
  scale_ = std::max(std::min(fitX, fitY), 0.0f);
  centreX_ = (view.min.x + view.max.x) / 2;
  centreY_ = (view.min.y + view.max.y) / 2;
}

ScreenPoint Camera::Project(Vec3 view, float left, float top) const {
  return {left + width_ / 2 + (view.x - centreX_) * scale_,
          top + height_ / 2 - (view.y - centreY_) * scale_, view.z};
}

}  // namespace refhost::preview
