#pragma once

#include <tiny_gltf.h>

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "refhost/model/ModelFormat.h"
#include "refhost/model/gltf/GltfJson.h"

namespace refhost {

// The bytes that the binary chunk of a .glb being written starts with,
// before any new data: the pieces, uncopied where they can be, and their
// total size.
struct GltfHeldChunk {
  std::vector<std::string_view> pieces;
  std::size_t size = 0;
  std::list<std::vector<unsigned char>> decoded;  // bytes the pieces view that no buffer holds
};

// For a .glb output: buffer 0's bytes when it is the binary chunk; when it
// is a file or a data URI, every buffer's bytes one after the other, each
// aligned to 4 bytes, with the buffer views moved to match and images held
// in data URIs moved into buffer views, so that the output stands alone.
// Nothing for a .gltf output. GltfError naming `file` for an asset whose
// buffers cannot be joined so (a buffer view out of range, or extensions on
// buffers or buffer views, which may name buffers by number).
GltfHeldChunk HoldChunk(GltfJson& asset, const tinygltf::Model& model, ModelFormat output,
                        const std::string& file);

}  // namespace refhost
