#include "refhost/model/gltf/GltfWriterAppender.h"

#include <utility>

#include "refhost/model/gltf/GltfContainer.h"

namespace refhost {

int AppendTo(GltfJson& object, const char* key, GltfJson value) {
  GltfJson& array = object[key];
  if (!array.is_array()) array = GltfJson::array();
  array.push_back(std::move(value));
  return static_cast<int>(array.size() - 1);
}

GltfWriterAppender::GltfWriterAppender(GltfJson& asset, int buffer, std::size_t offset)
    : asset_(asset), buffer_(buffer), offset_(offset) {}

int GltfWriterAppender::AddView(std::string_view bytes, int target) {
  bytes_.resize(PaddedToFour(offset_ + bytes_.size()) - offset_, '\0');
  GltfJson view = {
      {"buffer", buffer_}, {"byteOffset", offset_ + bytes_.size()}, {"byteLength", bytes.size()}};
  if (target != 0) view["target"] = target;
  bytes_.append(bytes);
  return AppendTo(asset_, "bufferViews", std::move(view));
}

int GltfWriterAppender::AddAccessor(GltfJson accessor) {
  return AppendTo(asset_, "accessors", std::move(accessor));
}

}  // namespace refhost
