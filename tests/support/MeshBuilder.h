#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "merge/CMQDocument.h"
#include "plugin/HostFunctionTable.h"
#include "refhost/document/Document.h"
#include "refhost/host/Host.h"

// Builders and readers for tests of the merge tool against the reference host.

// Corners on these vertices, with no texture coordinate or normal.
inline std::vector<refhost::Corner> CornersOn(const std::vector<int>& vertices) {
  std::vector<refhost::Corner> corners(vertices.size());
  for (std::size_t index = 0; index < vertices.size(); ++index)
    corners[index].vertex = vertices[index];
  return corners;
}

// An object whose vertices are all used by one face.
inline refhost::Object& AddUsedMesh(refhost::Document& document, std::string name,
                                    const std::vector<MQPoint>& points) {
  refhost::Object& object = document.AddObject(std::move(name));
  for (const MQPoint& point : points) object.AddVertex(point);
  std::vector<int> vertices(points.size());
  std::iota(vertices.begin(), vertices.end(), 0);
  if (!points.empty()) object.AddElement(refhost::ElementKind::Face, CornersOn(vertices));
  return object;
}

// An object of `count` used vertices at the origin, for tests where only the
// count matters.
inline refhost::Object& AddMeshOfSize(refhost::Document& document, std::string name, int count) {
  return AddUsedMesh(document, std::move(name), std::vector<MQPoint>(count, MQPoint{0, 0, 0}));
}

// The plug-in's handle of an object that the document holds.
inline cmq::CMQObject HandleOf(refhost::Document& document, const refhost::Object& object) {
  return cmq::CMQDocument(document.handle()).GetObjectAt(object.index());
}

// A vertex as the host reports it through the plug-in's table.
inline MQPoint VertexOf(const cmq::CMQObject& object, int index) {
  MQPoint point{-1, -1, -1};
  HOST_FN(MQObj_GetVertex)(object.object(), index, &point);
  return point;
}

inline std::uint32_t BitsOf(float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

inline std::array<std::uint32_t, 3> BitsOf(const MQPoint& point) {
  return {BitsOf(point.x), BitsOf(point.y), BitsOf(point.z)};
}

// Recorded calls of `function` on `target`; `index` -1 counts every index.
inline int CountCalls(const std::string& function, const void* target, int index = -1) {
  int count = 0;
  for (const refhost::HostCall& call : refhost::Host::Instance().calls()) {
    if (call.function != function || call.target != target) continue;
    if (index == -1 || call.index == index) ++count;
  }
  return count;
}
