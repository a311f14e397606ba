#include "refhost/model/gltf/GltfWriterPositionAccessors.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace refhost {
namespace {

// The accessor of `count` float VEC3 elements, their bounds given.
GltfJson Vec3Accessor(const MQPoint* points, std::size_t count) {
  MQPoint low = count == 0 ? MQPoint{0, 0, 0} : points[0];
  MQPoint high = low;
  for (std::size_t at = 1; at < count; ++at) {
    low = {std::min(low.x, points[at].x), std::min(low.y, points[at].y),
           std::min(low.z, points[at].z)};
    high = {std::max(high.x, points[at].x), std::max(high.y, points[at].y),
            std::max(high.z, points[at].z)};
  }
  return {{"componentType", TINYGLTF_COMPONENT_TYPE_FLOAT},
          {"count", count},
          {"type", "VEC3"},
          {"min", {double{low.x}, double{low.y}, double{low.z}}},
          {"max", {double{high.x}, double{high.y}, double{high.z}}}};
}

std::string_view BytesOf(const void* data, std::size_t size) {
  return {static_cast<const char*>(data), size};
}

// +0.0 only, so that a -0.0 delta is written as the value it is.
bool IsZero(float value) { return value == 0 && !std::signbit(value); }
bool IsZero(const MQPoint& delta) { return IsZero(delta.x) && IsZero(delta.y) && IsZero(delta.z); }

// The smallest unsigned type that holds `largest`, and its bytes per index.
std::pair<int, std::size_t> IndexType(std::size_t largest) {
  if (largest <= 0xFF) return {TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE, 1};
  if (largest <= 0xFFFF) return {TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT, 2};
  return {TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT, 4};
}

std::string PackedIndices(const std::vector<std::uint32_t>& indices, std::size_t size) {
  std::string bytes(indices.size() * size, '\0');
  for (std::size_t at = 0; at < indices.size(); ++at)
    for (std::size_t byte = 0; byte < size; ++byte)
      bytes[at * size + byte] = static_cast<char>(indices[at] >> (8 * byte) & 0xFF);
  return bytes;
}

}  // namespace

int AddPositionAccessor(GltfWriterAppender& appender, const MQPoint* points, std::size_t count) {
  GltfJson accessor = Vec3Accessor(points, count);
  accessor["bufferView"] =
      appender.AddView(BytesOf(points, count * sizeof(MQPoint)), TINYGLTF_TARGET_ARRAY_BUFFER);
  return appender.AddAccessor(std::move(accessor));
}

int AddDeltaAccessor(GltfWriterAppender& appender, const MQPoint* deltas, std::size_t count) {
  std::vector<std::uint32_t> moved;
  std::vector<MQPoint> values;
  for (std::size_t at = 0; at < count; ++at) {
    if (IsZero(deltas[at])) continue;
    moved.push_back(static_cast<std::uint32_t>(at));
    values.push_back(deltas[at]);
  }
  if (moved.empty()) return appender.AddAccessor(Vec3Accessor(deltas, count));
  const auto [indexType, indexSize] = IndexType(moved.back());
  if (moved.size() * (indexSize + sizeof(MQPoint)) >= count * sizeof(MQPoint))
    return AddPositionAccessor(appender, deltas, count);
  GltfJson accessor = Vec3Accessor(deltas, count);
  const int indexView = appender.AddView(PackedIndices(moved, indexSize), 0);
  const int valueView =
      appender.AddView(BytesOf(values.data(), values.size() * sizeof(MQPoint)), 0);
  accessor["sparse"] = {{"count", moved.size()},
                        {"indices", {{"bufferView", indexView}, {"componentType", indexType}}},
                        {"values", {{"bufferView", valueView}}}};
  return appender.AddAccessor(std::move(accessor));
}

}  // namespace refhost
