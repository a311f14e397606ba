#pragma once

#include <tiny_gltf.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "refhost/model/ModelFormat.h"
#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfWriterContext.h"

namespace refhost {

// Where the new data of an asset being written goes: a .glb's binary chunk
// (buffer 0, when it holds that chunk or the asset has no buffer), else a new
// buffer embedded as a data URI, so that the output stays one file.
struct GltfNewData {
  int buffer = 0;
  std::size_t offset = 0;  // where the data starts in that buffer
  bool inBinaryChunk = false;
};

GltfNewData PlaceNewData(const GltfJson& asset, const tinygltf::Model& model, ModelFormat output);

// Puts the buffers of the asset being written in order for the output's
// format and returns the pieces of the .glb's binary chunk (none for a
// .gltf), viewing the read buffers' bytes and the new data's: the new data
// appended where PlaceNewData said, a binary chunk that a .gltf cannot hold embedded
// as a data URI, and relative file URIs of buffers and images made to reach
// the same files from `to` as from `from`. Every other buffer's bytes stay
// where they were.
std::vector<std::string_view> FinishBuffers(const GltfWriterContext& context,
                                            const GltfNewData& place,
                                            const std::filesystem::path& from,
                                            const std::filesystem::path& to);

// The bytes as a base64 data URI.
std::string DataUri(std::string_view bytes);

}  // namespace refhost
