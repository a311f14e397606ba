#pragma once

#include "abi/HostApi.h"

// The blend's per-vertex arithmetic for the floors it is measured against:
// float32 throughout, every operation rounded on its own (the build forbids
// fused multiply-add).
namespace bench {

inline bool SamePosition(const MQPoint& a, const MQPoint& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}

inline float Offset(float position, float basePosition, float targetPosition, float weight) {
  const float difference = targetPosition - basePosition;
  const float scaled = difference * weight;
  return position + scaled;
}

inline void AddOffset(MQPoint& p, const MQPoint& b, const MQPoint& t, float weight) {
  p.x = Offset(p.x, b.x, t.x, weight);
  p.y = Offset(p.y, b.y, t.y, weight);
  p.z = Offset(p.z, b.z, t.z, weight);
}

}  // namespace bench
