#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "refhost/model/gltf/GltfJson.h"

namespace refhost {

// New binary data for an asset being written: each piece becomes a new
// buffer view of buffer `buffer`, 4-byte aligned, the data starting at
// `offset` in that buffer, after the bytes it already holds.
class GltfWriterAppender {
 public:
  GltfWriterAppender(GltfJson& asset, int buffer, std::size_t offset);

  // Returns the new buffer view's index; `target` is the GPU binding it
  // serves (0: none, as animation and sparse data must have).
  int AddView(std::string_view bytes, int target);
  // Returns the new accessor's index.
  int AddAccessor(GltfJson accessor);

  // The appended bytes, from `offset` on.
  const std::string& bytes() const { return bytes_; }

 private:
  GltfJson& asset_;
  int buffer_;
  std::size_t offset_;
  std::string bytes_;
};

// Appends `value` to the array at `key` of `object`, making the array when
// there is none; returns the value's index there.
int AppendTo(GltfJson& object, const char* key, GltfJson value);

}  // namespace refhost
