#pragma once

#include <tiny_gltf.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "abi/HostApi.h"

namespace refhost {

// Reads the elements of a loaded asset's accessors, dense or sparse, packed
// or interleaved, checking every reference and byte range on the way; a flaw
// throws ModelFileError naming the file and the JSON pointer of the part at
// fault.
class GltfReaderAccessors {
 public:
  GltfReaderAccessors(const tinygltf::Model& model, std::string file);

  // The accessor's element count, checked to fit the bytes that hold the
  // elements; `user` is the pointer of what refers to it.
  std::size_t Count(int accessor, const std::string& user) const;
  // Refuses an accessor that does not hold float VEC3 elements.
  void RequirePoints(int accessor, const std::string& user) const;
  // The finite float VEC3 values of a POSITION or a morph target's delta.
  std::vector<MQPoint> Points(int accessor, const std::string& user) const;
  // The same values written to `out`, which holds Count(accessor) points.
  void ReadPoints(int accessor, const std::string& user, MQPoint* out) const;
  // The unsigned integer SCALAR values of a primitive's indices.
  std::vector<std::uint32_t> Indices(int accessor, const std::string& user) const;
  // Each element's bytes, packed one after the other.
  std::string ElementBytes(int accessor, const std::string& user) const;
  // Bytes of one element.
  std::size_t ElementSize(int accessor, const std::string& user) const;

 private:
  const tinygltf::Accessor& AccessorAt(int index, const std::string& user) const;
  // Writes each element's bytes to `out`, packed one after the other: the
  // dense values (zeros without a view), then the sparse ones over them.
  void CopyElements(int accessor, const std::string& user, unsigned char* out) const;
  struct View {
    const unsigned char* bytes;
    std::size_t length;
    std::size_t stride;  // 0: packed
    int index;
  };
  // The buffer view's bytes, checked to lie within its buffer.
  View ViewAt(int view, const std::string& user) const;
  // The first of the accessor's elements in its buffer view, checked to lie
  // within it; null when it has no view and its elements, zeros, are few
  // enough for the asset's bytes to hold.
  const unsigned char* DenseElements(int accessor, const std::string& user) const;
  // The first of `count` elements of `size` bytes, `step` apart, starting
  // `offset` bytes into the view, checked to lie within it.
  const unsigned char* Run(const View& view, std::size_t offset, std::size_t count,
                           std::size_t size, std::size_t step, const std::string& where) const;

  const tinygltf::Model& model_;
  std::string file_;
  std::size_t bufferBytes_;  // of all the asset's buffers
};

}  // namespace refhost
