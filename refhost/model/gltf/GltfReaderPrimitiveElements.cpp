#include "refhost/model/gltf/GltfReaderPrimitiveElements.h"

#include <tiny_gltf.h>

#include <numeric>

#include "refhost/model/gltf/GltfError.h"

namespace refhost {
namespace {

// Gathers one element's corners at a time, reusing its storage.
class ElementSink {
 public:
  ElementSink(Object& object, int first) : object_(object), first_(first) {}

  void Reserve(ElementKind kind, std::size_t elements, std::size_t cornersEach) {
    object_.ReserveElements(kind, elements, elements * cornersEach);
  }
  void Add(ElementKind kind, std::initializer_list<std::uint32_t> vertices) {
    corners_.clear();
    for (std::uint32_t vertex : vertices) Push(vertex);
    object_.AddElement(kind, corners_);
  }
  void AddRun(ElementKind kind, const std::vector<std::uint32_t>& vertices, bool closed) {
    corners_.clear();
    for (std::uint32_t vertex : vertices) Push(vertex);
    if (closed && !vertices.empty()) Push(vertices.front());
    if (!corners_.empty()) object_.AddElement(kind, corners_);
  }

 private:
  // Stored in place: copying a corner right after its fields were stored
  // stalls on those stores, once per corner.
  void Push(std::uint32_t vertex) {
    corners_.emplace_back().vertex = first_ + static_cast<int>(vertex);
  }

  Object& object_;
  int first_;
  std::vector<Corner> corners_;
};

// Strips and fans share all but one vertex with the triangle before.
std::size_t TriangleCount(int mode, std::size_t vertices) {
  if (mode == TINYGLTF_MODE_TRIANGLES) return vertices / 3;
  return vertices < 3 ? 0 : vertices - 2;
}

void AddTriangles(ElementSink& sink, int mode, const std::vector<std::uint32_t>& v) {
  const std::size_t n = v.size();
  sink.Reserve(ElementKind::Face, TriangleCount(mode, n), 3);
  if (mode == TINYGLTF_MODE_TRIANGLES) {
    for (std::size_t at = 0; at + 2 < n; at += 3)
      sink.Add(ElementKind::Face, {v[at], v[at + 1], v[at + 2]});
  } else if (mode == TINYGLTF_MODE_TRIANGLE_STRIP) {
    // Every other triangle swaps its last two corners to keep the winding.
    for (std::size_t at = 0; at + 2 < n; ++at)
      sink.Add(ElementKind::Face, {v[at], v[at + 1 + at % 2], v[at + 2 - at % 2]});
  } else {
    for (std::size_t at = 1; at + 1 < n; ++at)
      sink.Add(ElementKind::Face, {v[at], v[at + 1], v[0]});
  }
}

void AddLines(ElementSink& sink, int mode, const std::vector<std::uint32_t>& v) {
  if (mode == TINYGLTF_MODE_LINE) {
    for (std::size_t at = 0; at + 1 < v.size(); at += 2)
      sink.Add(ElementKind::Line, {v[at], v[at + 1]});
  } else {
    sink.AddRun(ElementKind::Line, v, mode == TINYGLTF_MODE_LINE_LOOP);
  }
}

}  // namespace

void AddPrimitiveElements(Object& object, int mode, const std::vector<std::uint32_t>& indices,
                          bool indexed, GltfPrimitiveSlice slice, const std::string& file,
                          const std::string& pointer) {
  if (mode < TINYGLTF_MODE_POINTS || mode > TINYGLTF_MODE_TRIANGLE_FAN)
    throw GltfError(file, pointer + "/mode", "unknown primitive mode " + std::to_string(mode));
  std::vector<std::uint32_t> sequence;
  if (!indexed) {
    sequence.resize(static_cast<std::size_t>(slice.count));
    std::iota(sequence.begin(), sequence.end(), 0u);
  }
  const std::vector<std::uint32_t>& vertices = indexed ? indices : sequence;
  for (std::uint32_t vertex : vertices)
    if (vertex >= static_cast<std::uint32_t>(slice.count))
      throw GltfError(file, pointer + "/indices",
                      "index " + std::to_string(vertex) + " is beyond the primitive's " +
                          std::to_string(slice.count) + " vertices");
  ElementSink sink(object, slice.first);
  if (mode >= TINYGLTF_MODE_TRIANGLES) return AddTriangles(sink, mode, vertices);
  if (mode == TINYGLTF_MODE_POINTS) return sink.AddRun(ElementKind::Point, vertices, false);
  AddLines(sink, mode, vertices);
}

}  // namespace refhost
