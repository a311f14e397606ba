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
#include "refhost/model/gltf/GltfWriterHeldChunk.h"

namespace refhost {

// Where the new data of an asset being written goes: a .glb's binary chunk
// (buffer 0, after what HoldChunk put there), a .gltf's new buffer embedded
// as a data URI, so that the output stays one file.
struct GltfNewData {
  int buffer = 0;
  std::size_t offset = 0;  // where the data starts in that buffer
  bool inBinaryChunk = false;
};

GltfNewData PlaceNewData(const GltfJson& asset, const GltfHeldChunk& held, ModelFormat output);

// Puts the buffers of the asset being written in order for the output's
// format and returns the pieces of the .glb's binary chunk (none for a
// .gltf): the held pieces, then the new data where PlaceNewData said. A
// binary chunk that a .gltf cannot hold is embedded as a data URI, and
// relative file URIs of buffers and images are made to reach the same
// files from `to` as from `from`. Every other buffer's bytes stay where
// they were.
std::vector<std::string_view> FinishBuffers(const GltfWriterContext& context,
                                            const GltfNewData& place, const GltfHeldChunk& held,
                                            const std::filesystem::path& from,
                                            const std::filesystem::path& to);

// The bytes as a base64 data URI.
std::string DataUri(std::string_view bytes);

}  // namespace refhost
