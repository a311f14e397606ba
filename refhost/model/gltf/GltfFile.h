#pragma once

#include <tiny_gltf.h>

#include <filesystem>
#include <vector>

#include "refhost/model/ModelFile.h"
#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfReaderMeshObjects.h"

namespace refhost {

// A glTF asset as read: its JSON as it was, the loaded model for its
// buffers' bytes and accessors, and the document's objects of each mesh.
// Writing edits the JSON where the document changed and appends new data,
// so that everything the document does not hold (materials, textures,
// skins, animations, extensions, extras) comes back as it was.
struct GltfFile final : ModelFile {
  GltfJson json;
  tinygltf::Model model;
  std::vector<GltfMeshObjects> meshes;
  std::filesystem::path folder;  // where its relative URIs start

  // Writes a .glb when `output` ends so, a .gltf when it ends in ".gltf",
  // and stdout in the format read.
  void WriteTo(const Document& document, const std::filesystem::path& output, const Sink& sink,
               Progress* progress) const override;
};

}  // namespace refhost
