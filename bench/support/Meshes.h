#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "refhost/document/Document.h"

// Meshes for the benchmarks: sizes and positions are deterministic, so every
// run measures the same work.
namespace bench {

// Vertices per grid row; the vertex counts benchmarked are multiples of it.
inline constexpr int kGridColumns = 100;

// A coordinate in [-1, 1) from a hash of `index`: 24 significant bits, so
// that written numbers need all their digits.
inline float Noise(std::uint32_t index) {
  std::uint32_t hash = index * 0x9E3779B1u;
  hash ^= hash >> 15;
  hash *= 0x85EBCA77u;
  hash ^= hash >> 13;
  return static_cast<float>(hash >> 8) / 8388608.0f - 1.0f;
}

// A grid of quads as a modeller holds a surface: every vertex is used by at
// least one face, and there are about as many faces as vertices.
inline refhost::Object& AddGridMesh(refhost::Document& document, std::string name,
                                    int vertexCount) {
  refhost::Object& object = document.AddObject(std::move(name));
  const int rows = vertexCount / kGridColumns;
  for (int index = 0; index < rows * kGridColumns; ++index) {
    const float column = static_cast<float>(index % kGridColumns);
    const int rowIndex = index / kGridColumns;
    const float row = static_cast<float>(rowIndex);
    object.AddVertex(
        MQPoint{column * 0.01f, row * 0.01f, Noise(static_cast<std::uint32_t>(index))});
  }
  std::vector<refhost::Corner> face(4);
  for (int row = 0; row + 1 < rows; ++row) {
    for (int column = 0; column + 1 < kGridColumns; ++column) {
      const int corner = row * kGridColumns + column;
      face[0].vertex = corner;
      face[1].vertex = corner + 1;
      face[2].vertex = corner + kGridColumns + 1;
      face[3].vertex = corner + kGridColumns;
      object.AddElement(refhost::ElementKind::Face, face);
    }
  }
  return object;
}

// An object of `vertexCount` unused vertices, for documents where only names
// and counts matter.
inline refhost::Object& AddPointCloud(refhost::Document& document, std::string name,
                                      int vertexCount) {
  refhost::Object& object = document.AddObject(std::move(name));
  for (int index = 0; index < vertexCount; ++index) {
    object.AddVertex(MQPoint{Noise(static_cast<std::uint32_t>(index)), 0.0f, 0.0f});
  }
  return object;
}

// Whether a target that moves `movedPercent` of the vertices moves this one;
// moved vertices are spread evenly (every tenth for 10 percent).
inline bool IsMoved(int index, int movedPercent) {
  return index * movedPercent % 100 < movedPercent;
}

// A morph target of `base`: its vertices, with the chosen share of them moved.
// Faces do not matter to a target, only its vertex count and positions.
inline refhost::Object& AddMovedCopy(refhost::Document& document, std::string name,
                                     const refhost::Object& base, int movedPercent) {
  refhost::Object& target = document.AddObject(std::move(name));
  for (int index = 0; index < base.VertexCount(); ++index) {
    MQPoint point = base.Vertex(index);
    if (IsMoved(index, movedPercent)) {
      point.x += 0.25f;
      point.y -= 0.125f;
      point.z += 0.5f;
    }
    target.AddVertex(point);
  }
  return target;
}

}  // namespace bench
