#pragma once

#include <filesystem>
#include <string>

#include "refhost/model/GltfJson.h"

namespace refhost {

// What must hold before the asset is loaded, so that a flaw is told with its
// JSON pointer rather than in the loader's words: a glTF 2.x asset, no
// compressed geometry, every external buffer present beside `folder`.
// ModelFileError naming `file` otherwise.
void CheckGltfAsset(const GltfJson& asset, const std::filesystem::path& folder,
                    const std::string& file);

// Whether a buffer's or image's URI names a file rather than holding the data.
bool IsFileUri(const GltfJson& uri);

}  // namespace refhost
