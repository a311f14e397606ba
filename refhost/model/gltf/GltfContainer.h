#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "refhost/model/ModelFile.h"

namespace refhost {

// A binary glTF (.glb) split into its chunks: the JSON and the binary buffer
// (empty when the file has none).
struct GlbChunks {
  std::string_view json;
  std::string_view bin;
};

// `size` rounded up to the 4 bytes that glTF aligns chunks and buffer views to.
inline std::size_t PaddedToFour(std::size_t size) { return (size + 3) / 4 * 4; }

// Loaded buffer bytes as the pieces that a .glb is written of.
inline std::string_view BytesOf(const std::vector<unsigned char>& data) {
  return {reinterpret_cast<const char*>(data.data()), data.size()};
}

// The zeros that pad `size` bytes to a multiple of 4.
inline std::string_view ZeroPadding(std::size_t size) {
  static constexpr char kZeros[4] = {};
  return {kZeros, PaddedToFour(size) - size};
}

// Where a .glb's chunks lie: its JSON, and the offset and size of its binary
// chunk (size 0 when it has none).
struct GlbLayout {
  std::string_view json;
  std::size_t binOffset = 0;
  std::size_t binSize = 0;
};

// Whether the bytes start as a binary glTF does.
bool IsGlb(std::string_view bytes);

// The header and the JSON chunk's header, which say how long the JSON is.
inline constexpr std::size_t kGlbStartBytes = 20;

// Bytes from its start that a .glb's layout is read from: the header, the
// JSON chunk and the next chunk's header; `start` holds its first
// kGlbStartBytes. The binary chunk's data, when there is one, follows them.
std::size_t GlbHeadSize(std::string_view start);

// The layout of a .glb of `fileSize` bytes, read from `head`, its first
// GlbHeadSize bytes (all of it when it is shorter); ModelFileError naming
// `file` when its header or a chunk is broken.
GlbLayout GlbLayoutOf(std::string_view head, std::size_t fileSize, const std::string& file);

// The chunks of a .glb held in memory; errors as GlbLayoutOf.
GlbChunks SplitGlb(std::string_view bytes, const std::string& file);

// Hands `sink` a .glb of the JSON text and, unless `bin` is null, the binary
// chunk of those pieces, each chunk padded to 4 bytes (the JSON with spaces,
// the binary with zeros). The pieces are handed on as they are, uncopied.
void WriteGlb(std::string_view json, const std::vector<std::string_view>* bin,
              const ModelFile::Sink& sink);

}  // namespace refhost
