#include "refhost/preview/ColorMap.h"

#include <cmath>

namespace refhost::preview {
namespace {

// Viridis at nine evenly spaced values; between them the colours blend.
constexpr Rgb kStops[] = {{68, 1, 84},    {71, 44, 122},  {59, 81, 139},
                          {44, 113, 142}, {33, 144, 141}, {39, 173, 129},
                          {92, 200, 99},  {170, 220, 50}, {253, 231, 37}};
constexpr int kLastStop = sizeof kStops / sizeof kStops[0] - 1;

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, float share) {
  return static_cast<std::uint8_t>(std::lround(
      static_cast<float>(from) + (static_cast<float>(to) - static_cast<float>(from)) * share));
}

}  // namespace

Rgb Viridis(float value) {
  if (!(value > 0)) return kStops[0];
  if (value >= 1) return kStops[kLastStop];
  const float position = value * kLastStop;
  const int stop = static_cast<int>(position);
  const float share = position - static_cast<float>(stop);
  const Rgb& from = kStops[stop];
  const Rgb& to = kStops[stop + 1];
  return {Blend(from.r, to.r, share), Blend(from.g, to.g, share), Blend(from.b, to.b, share)};
}

}  // namespace refhost::preview
