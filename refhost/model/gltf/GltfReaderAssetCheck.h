#pragma once

#include <filesystem>
#include <string>

#include "refhost/model/gltf/GltfJson.h"

namespace refhost {

// What must hold before the asset is loaded, so that a flaw is told with its
// JSON pointer rather than in the loader's words: a glTF 2.x asset, no
// compressed geometry, members of the types that reading and writing use
// (CheckMemberTypes), every external buffer present beside `folder`, and a
// buffer without URI only as a .glb's first, within its binary chunk of
// `chunkSize` bytes (null for a .gltf). ModelFileError naming `file` otherwise.
void CheckGltfAsset(const GltfJson& asset, const std::filesystem::path& folder,
                    const std::size_t* chunkSize, const std::string& file);

// Whether a buffer's or image's URI names a file rather than holding the data.
bool IsFileUri(const GltfJson& uri);

}  // namespace refhost
