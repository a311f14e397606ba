#pragma once

#include <cmath>
#include <sstream>
#include <string>

#include "refhost/document/Object.h"

namespace refhost {

// Positions that are not finite numbers cannot be stored: other tools cannot
// read "inf" or "nan" in a model file.
inline bool IsFinite(const MQPoint& point) {
  return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// The index of the object's first non-finite position; -1 when all are finite.
inline int FirstNonFinite(const Object& object) {
  const auto& vertices = object.vertices();
  for (std::size_t index = 0; index < vertices.size(); ++index)
    if (!IsFinite(vertices[index])) return static_cast<int>(index);
  return -1;
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
