#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "refhost/document/Document.h"
#include "refhost/model/ModelFile.h"

namespace refhost {

// glTF 2.0 input: a .gltf (JSON, its buffers in files beside it or embedded
// as data URIs) or a .glb. Each mesh becomes an object and each of its morph
// targets another (see AddMeshObjects); a flaw throws ModelFileError naming
// `name` and, where one fits, the JSON pointer of the part at fault, and the
// document then holds the objects read before it.
std::unique_ptr<ModelFile> ParseGltf(std::string bytes, const std::string& name,
                                     const std::filesystem::path& folder, Document& document);

// Reads the file and parses it; external buffers are found beside it.
std::unique_ptr<ModelFile> ReadGltfFile(const std::filesystem::path& path, Document& document);

}  // namespace refhost
