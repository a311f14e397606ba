#include "refhost/model/gltf/GltfReaderAccessors.h"

#include <cstring>
#include <limits>
#include <optional>
#include <utility>

#include "refhost/document/FinitePosition.h"
#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfJson.h"

namespace refhost {
namespace {

std::uint32_t IndexAt(const unsigned char* bytes, std::size_t size) {
  if (size == 1) return bytes[0];
  if (size == 2) {
    std::uint16_t index;
    std::memcpy(&index, bytes, 2);
    return index;
  }
  std::uint32_t index;
  std::memcpy(&index, bytes, 4);
  return index;
}

bool IsIndexType(int componentType) {
  return componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE ||
         componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ||
         componentType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT;
}

// The bytes from the first of `count` elements of `size` bytes, `step` apart,
// to the end of the last; none when that number does not fit a size_t.
std::optional<std::size_t> SpanOf(std::size_t count, std::size_t size, std::size_t step) {
  if (count == 0) return 0;
  if (count - 1 > (std::numeric_limits<std::size_t>::max() - size) / step) return std::nullopt;
  return (count - 1) * step + size;
}

// "9 elements of 12 bytes need 108 bytes", the need counted from the start
// of what holds them.
std::string Need(std::size_t count, std::size_t size, std::size_t offset,
                 std::optional<std::size_t> span) {
  const std::string elements =
      std::to_string(count) + " elements of " + std::to_string(size) + " bytes need ";
  if (!span || *span > std::numeric_limits<std::size_t>::max() - offset)
    return elements + "more than " + std::to_string(std::numeric_limits<std::size_t>::max()) +
           " bytes";
  return elements + std::to_string(offset + *span) + " bytes";
}

std::size_t BufferBytes(const tinygltf::Model& model) {
  std::size_t bytes = 0;
  for (const tinygltf::Buffer& buffer : model.buffers) bytes += buffer.data.size();
  return bytes;
}

}  // namespace

GltfReaderAccessors::GltfReaderAccessors(const tinygltf::Model& model, std::string file)
    : model_(model), file_(std::move(file)), bufferBytes_(BufferBytes(model)) {}

const tinygltf::Accessor& GltfReaderAccessors::AccessorAt(int index,
                                                          const std::string& user) const {
  if (index < 0 || static_cast<std::size_t>(index) >= model_.accessors.size())
    throw GltfError(file_, user,
                    "refers to accessor " + std::to_string(index) + ", but the asset has " +
                        std::to_string(model_.accessors.size()));
  return model_.accessors[static_cast<std::size_t>(index)];
}

std::size_t GltfReaderAccessors::Count(int accessor, const std::string& user) const {
  DenseElements(accessor, user);
  return AccessorAt(accessor, user).count;
}

const unsigned char* GltfReaderAccessors::DenseElements(int accessor,
                                                        const std::string& user) const {
  const tinygltf::Accessor& a = AccessorAt(accessor, user);
  const std::string pointer = JsonPointer("accessors", accessor);
  const std::size_t size = ElementSize(accessor, user);
  if (a.bufferView >= 0) {
    const View view = ViewAt(a.bufferView, pointer + "/bufferView");
    return Run(view, a.byteOffset, a.count, size, view.stride == 0 ? size : view.stride, pointer);
  }
  // Elements that no view holds are zeros, changed only where sparse values
  // say; so many that the asset's bytes could not hold them are a flaw,
  // refused before memory is taken for them.
  const std::optional<std::size_t> span = SpanOf(a.count, size, size);
  if (!span || *span > bufferBytes_)
    throw GltfError(file_, pointer,
                    Need(a.count, size, 0, span) + ", but the asset's buffers hold " +
                        std::to_string(bufferBytes_));
  return nullptr;
}

std::size_t GltfReaderAccessors::ElementSize(int accessor, const std::string& user) const {
  const tinygltf::Accessor& a = AccessorAt(accessor, user);
  const int size = tinygltf::GetComponentSizeInBytes(static_cast<std::uint32_t>(a.componentType));
  const int components = tinygltf::GetNumComponentsInType(static_cast<std::uint32_t>(a.type));
  if (size <= 0 || components <= 0)
    throw GltfError(file_, JsonPointer("accessors", accessor), "unknown component or element type");
  return static_cast<std::size_t>(size) * static_cast<std::size_t>(components);
}

GltfReaderAccessors::View GltfReaderAccessors::ViewAt(int view, const std::string& user) const {
  if (view < 0 || static_cast<std::size_t>(view) >= model_.bufferViews.size())
    throw GltfError(file_, user,
                    "refers to buffer view " + std::to_string(view) + ", but the asset has " +
                        std::to_string(model_.bufferViews.size()));
  const tinygltf::BufferView& v = model_.bufferViews[static_cast<std::size_t>(view)];
  const std::string pointer = JsonPointer("bufferViews", view);
  if (v.buffer < 0 || static_cast<std::size_t>(v.buffer) >= model_.buffers.size())
    throw GltfError(file_, pointer + "/buffer", "no such buffer " + std::to_string(v.buffer));
  const std::vector<unsigned char>& data = model_.buffers[static_cast<std::size_t>(v.buffer)].data;
  if (v.byteOffset > data.size() || data.size() - v.byteOffset < v.byteLength)
    throw GltfError(file_, pointer,
                    "bytes " + std::to_string(v.byteOffset) + " to " +
                        std::to_string(v.byteOffset + v.byteLength) + " lie beyond buffer " +
                        std::to_string(v.buffer) + "'s " + std::to_string(data.size()));
  return {data.data() + v.byteOffset, v.byteLength, v.byteStride, view};
}

const unsigned char* GltfReaderAccessors::Run(const View& view, std::size_t offset,
                                              std::size_t count, std::size_t size, std::size_t step,
                                              const std::string& where) const {
  const std::optional<std::size_t> span = SpanOf(count, size, step);
  if (!span || offset > view.length || *span > view.length - offset)
    throw GltfError(file_, where,
                    Need(count, size, offset, span) + ", but buffer view " +
                        std::to_string(view.index) + " holds " + std::to_string(view.length));
  return view.bytes + offset;
}

void GltfReaderAccessors::CopyElements(int accessor, const std::string& user,
                                       unsigned char* out) const {
  const tinygltf::Accessor& a = AccessorAt(accessor, user);
  const std::string pointer = JsonPointer("accessors", accessor);
  const std::size_t size = ElementSize(accessor, user);
  const unsigned char* from = DenseElements(accessor, user);
  if (from == nullptr) {
    if (a.count != 0) std::memset(out, 0, a.count * size);
  } else {
    const std::size_t stride =
        model_.bufferViews[static_cast<std::size_t>(a.bufferView)].byteStride;
    const std::size_t step = stride == 0 ? size : stride;
    if (step == size) {
      if (a.count != 0) std::memcpy(out, from, a.count * size);
    } else {
      for (std::size_t element = 0; element < a.count; ++element)
        std::memcpy(out + element * size, from + element * step, size);
    }
  }
  if (!a.sparse.isSparse) return;
  const auto count = static_cast<std::size_t>(a.sparse.count);
  const int indexType = a.sparse.indices.componentType;
  if (!IsIndexType(indexType))
    throw GltfError(file_, pointer + "/sparse/indices/componentType",
                    "not an unsigned integer type");
  const auto indexSize = static_cast<std::size_t>(
      tinygltf::GetComponentSizeInBytes(static_cast<std::uint32_t>(indexType)));
  const std::string indicesPointer = pointer + "/sparse/indices";
  const std::string valuesPointer = pointer + "/sparse/values";
  const unsigned char* indices =
      Run(ViewAt(a.sparse.indices.bufferView, indicesPointer + "/bufferView"),
          static_cast<std::size_t>(a.sparse.indices.byteOffset), count, indexSize, indexSize,
          indicesPointer);
  const unsigned char* values =
      Run(ViewAt(a.sparse.values.bufferView, valuesPointer + "/bufferView"),
          static_cast<std::size_t>(a.sparse.values.byteOffset), count, size, size, valuesPointer);
  for (std::size_t entry = 0; entry < count; ++entry) {
    const std::uint32_t index = IndexAt(indices + entry * indexSize, indexSize);
    if (index >= a.count)
      throw GltfError(file_, pointer + "/sparse/indices",
                      "index " + std::to_string(index) + " is beyond the accessor's " +
                          std::to_string(a.count) + " elements");
    std::memcpy(out + index * size, values + entry * size, size);
  }
}

std::string GltfReaderAccessors::ElementBytes(int accessor, const std::string& user) const {
  std::string packed(Count(accessor, user) * ElementSize(accessor, user), '\0');
  CopyElements(accessor, user, reinterpret_cast<unsigned char*>(packed.data()));
  return packed;
}

void GltfReaderAccessors::RequirePoints(int accessor, const std::string& user) const {
  const tinygltf::Accessor& a = AccessorAt(accessor, user);
  const std::string pointer = JsonPointer("accessors", accessor);
  if (a.type != TINYGLTF_TYPE_VEC3)
    throw GltfError(file_, pointer, "positions must be VEC3 elements");
  if (a.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT)
    throw GltfError(file_, pointer,
                    "positions are quantized (component type " + std::to_string(a.componentType) +
                        "); only float positions can be read");
}

void GltfReaderAccessors::ReadPoints(int accessor, const std::string& user, MQPoint* out) const {
  RequirePoints(accessor, user);
  const tinygltf::Accessor& a = AccessorAt(accessor, user);
  const std::string pointer = JsonPointer("accessors", accessor);
  static_assert(sizeof(MQPoint) == 3 * sizeof(float), "a point is a float VEC3 element");
  CopyElements(accessor, user, reinterpret_cast<unsigned char*>(out));
  const std::size_t element = FirstNonFinite(out, a.count);
  if (element != a.count)
    throw GltfError(file_, pointer,
                    "element " + std::to_string(element) + " is " + PointText(out[element]) +
                        ", not a finite position");
}

std::vector<MQPoint> GltfReaderAccessors::Points(int accessor, const std::string& user) const {
  RequirePoints(accessor, user);
  std::vector<MQPoint> points(Count(accessor, user));
  ReadPoints(accessor, user, points.data());
  return points;
}

std::vector<std::uint32_t> GltfReaderAccessors::Indices(int accessor,
                                                        const std::string& user) const {
  const tinygltf::Accessor& a = AccessorAt(accessor, user);
  if (a.type != TINYGLTF_TYPE_SCALAR || !IsIndexType(a.componentType))
    throw GltfError(file_, user,
                    "indices must be unsigned byte, short or int scalars (accessor " +
                        std::to_string(accessor) + ")");
  const std::size_t size = ElementSize(accessor, user);
  std::vector<std::uint32_t> indices(Count(accessor, user));
  // Indices of 32 bits, the common kind for large meshes, need no widening.
  if (size == sizeof(std::uint32_t)) {
    CopyElements(accessor, user, reinterpret_cast<unsigned char*>(indices.data()));
    return indices;
  }
  const std::string bytes = ElementBytes(accessor, user);
  for (std::size_t element = 0; element < a.count; ++element)
    indices[element] =
        IndexAt(reinterpret_cast<const unsigned char*>(bytes.data()) + element * size, size);
  return indices;
}

}  // namespace refhost
