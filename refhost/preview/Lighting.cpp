#include "refhost/preview/Lighting.h"

#include <algorithm>
#include <cmath>

namespace refhost::preview {
namespace {

// From the upper left, in front of the model; of length 1.
constexpr Vec3 kLight{-0.40824829f, 0.40824829f, 0.81649658f};
constexpr float kAmbient = 0.3f;
constexpr float kBackFace = 0.55f;

}  // namespace

float Brightness(Vec3 normal, bool seenFromFront) {
  const float length = std::sqrt(Dot(normal, normal));
  if (!(length > 0) || !std::isfinite(length)) return kAmbient;
  const float facing = (seenFromFront ? 1.0f : -1.0f) * Dot(normal, kLight) / length;
  const float brightness = kAmbient + (1 - kAmbient) * std::max(facing, 0.0f);
  return seenFromFront ? brightness : kBackFace * brightness;
}

Rgb Lit(Rgb colour, float brightness) {
  const auto channel = [brightness](std::uint8_t value) {
    return static_cast<std::uint8_t>(
        std::min(static_cast<float>(value) * brightness + 0.5f, 255.0f));
  };
  return {channel(colour.r), channel(colour.g), channel(colour.b)};
}

}  // namespace refhost::preview
