#pragma once

#include <tiny_gltf.h>

#include <functional>
#include <string>

#include "refhost/model/ModelFormat.h"
#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfReaderAccessors.h"
#include "refhost/model/gltf/GltfWriterAppender.h"

namespace refhost {

// What every part of writing one glTF asset works with: the output's JSON,
// edited in place; its new binary data; the asset as read; and the output's
// name and format. GltfFile::WriteTo makes one for each write.
struct GltfWriterContext {
  GltfJson& asset;
  GltfWriterAppender& appender;
  const tinygltf::Model& model;
  const GltfReaderAccessors& accessors;
  const std::string& file;  // the output, as messages name it
  ModelFormat format;       // the output's
  // Told what the output lacks that a user may expect of it, and why.
  std::function<void(const std::string&)> note;
};

}  // namespace refhost
