#pragma once

#include <cstring>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "refhost/host/Host.h"
#include "refhost/model/ModelFile.h"
#include "refhost/model/gltf/GltfFile.h"
#include "refhost/model/gltf/GltfReaderAccessors.h"

// A glTF model as read, with its asset for comparing what the document does
// not hold.
struct ReadAsset {
  refhost::Document* document;
  std::unique_ptr<refhost::ModelFile> file;

  const refhost::GltfFile& asset() const { return dynamic_cast<const refhost::GltfFile&>(*file); }
  const refhost::Object& Named(const std::string& name) const {
    for (int index = 0; index < document->ObjectCount(); ++index)
      if (document->ObjectAt(index)->name() == name) return *document->ObjectAt(index);
    throw std::runtime_error("no object " + name);
  }
  // The accessor's values, dense or sparse, one float after the other.
  std::vector<float> Floats(int accessor) const {
    const std::string bytes =
        refhost::GltfReaderAccessors(asset().model, "").ElementBytes(accessor, "");
    std::vector<float> values(bytes.size() / sizeof(float));
    std::memcpy(values.data(), bytes.data(), bytes.size());
    return values;
  }
};

// Reads the model at `path` into a new document of the reference host.
inline ReadAsset ReadGltfAsset(const std::filesystem::path& path) {
  refhost::Document& document = refhost::Host::Instance().NewDocument();
  return {&document, refhost::ReadModelFile(path, document)};
}
