#pragma once

#include "abi/HostApi.h"

// The blend as the tests expect it, in plain float32 arithmetic with every
// operation rounded on its own (the build forbids fused multiply-add).
inline float ReferenceOffset(float position, float base, float target, float weight) {
  const float difference = target - base;
  const float scaled = difference * weight;
  return position + scaled;
}

inline MQPoint ReferenceBlend(const MQPoint& p, const MQPoint& b, const MQPoint& t, float weight) {
  return {ReferenceOffset(p.x, b.x, t.x, weight), ReferenceOffset(p.y, b.y, t.y, weight),
          ReferenceOffset(p.z, b.z, t.z, weight)};
}
