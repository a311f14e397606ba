#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>

#include "refhost/document/Object.h"

namespace refhost {

// Positions that are not finite numbers cannot be stored: other tools cannot
// read "inf" or "nan" in a model file.
inline bool IsFinite(const MQPoint& point) {
  return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// The index of the first of `count` points that is not finite; `count` when
// all are. A float is not finite when all its exponent bits are set: testing
// those bits as integers, a block at a time and without a branch, lets the
// compiler test many floats at once, so that checking a large model costs
// little beside reading it.
inline std::size_t FirstNonFinite(const MQPoint* points, std::size_t count) {
  static_assert(sizeof(MQPoint) == 3 * sizeof(float), "a point is three floats");
  constexpr std::uint32_t kExponent = 0x7F800000;
  constexpr std::size_t kBlock = 1024;
  const auto* bytes = reinterpret_cast<const unsigned char*>(points);
  for (std::size_t start = 0; start < count; start += kBlock) {
    const std::size_t end = std::min(count, start + kBlock);
    std::uint32_t nonFinite = 0;
    for (std::size_t value = 3 * start; value < 3 * end; ++value) {
      std::uint32_t bits;
      std::memcpy(&bits, bytes + value * sizeof bits, sizeof bits);
      nonFinite |= static_cast<std::uint32_t>((bits & kExponent) == kExponent);
    }
    if (nonFinite == 0) continue;
    for (std::size_t at = start; at < end; ++at)
      if (!IsFinite(points[at])) return at;
  }
  return count;
}

// The index of the object's first non-finite position; -1 when all are finite.
inline int FirstNonFinite(const Object& object) {
  const auto& vertices = object.vertices();
  const std::size_t first = FirstNonFinite(vertices.data(), vertices.size());
  return first == vertices.size() ? -1 : static_cast<int>(first);
}

// "(inf, 0, 0)", as messages show a position.
inline std::string PointText(const MQPoint& point) {
  std::ostringstream text;
  text << "(" << point.x << ", " << point.y << ", " << point.z << ")";
  return text.str();
}

// "vertex 2 is (inf, 0, 0)", the vertex counted from 1 as messages count.
inline std::string VertexText(const Object& object, int index) {
  return "vertex " + std::to_string(index + 1) + " is " + PointText(object.Vertex(index));
}

}  // namespace refhost
