#include "refhost/model/gltf/GltfWriterHeldChunk.h"

#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/gltf/GltfError.h"

namespace refhost {
namespace {

// Appends `bytes` at the next multiple of 4; returns where they start.
std::size_t Append(GltfHeldChunk& chunk, std::string_view bytes) {
  const std::size_t start = PaddedToFour(chunk.size);
  if (start != chunk.size) chunk.pieces.push_back(ZeroPadding(chunk.size));
  chunk.pieces.push_back(bytes);
  chunk.size = start + bytes.size();
  return start;
}

void RequireNoExtensions(const GltfJson& asset, const char* list, const std::string& file) {
  const auto found = asset.find(list);
  if (found == asset.end() || !found->is_array()) return;
  for (std::size_t at = 0; at < found->size(); ++at)
    if ((*found)[at].contains("extensions"))
      throw GltfError(file, JsonPointer(list, at, "extensions"),
                      "may name buffers by number, so the buffers cannot be joined into one "
                      ".glb; write a .gltf instead");
}

void MoveViews(GltfJson& asset, const std::vector<std::size_t>& starts, const std::string& file) {
  if (!asset.contains("bufferViews")) return;
  for (std::size_t at = 0; at < asset["bufferViews"].size(); ++at) {
    GltfJson& view = asset["bufferViews"][at];
    const GltfJson& buffer = view["buffer"];
    if (!buffer.is_number_unsigned() || buffer.get<std::size_t>() >= starts.size())
      throw GltfError(file, JsonPointer("bufferViews", at, "buffer"), "names no buffer");
    view["byteOffset"] =
        starts[buffer.get<std::size_t>()] + view.value("byteOffset", std::size_t{0});
    view["buffer"] = 0;
  }
}

// Images in data URIs, which a .glb should hold in buffer views instead.
void MoveDataUriImages(GltfJson& asset, GltfHeldChunk& chunk) {
  if (!asset.contains("images")) return;
  for (GltfJson& image : asset["images"]) {
    const auto uri = image.find("uri");
    if (uri == image.end() || !uri->is_string() || !tinygltf::IsDataURI(uri->get<std::string>()))
      continue;
    std::string mime;
    std::vector<unsigned char> bytes;
    if (!tinygltf::DecodeDataURI(&bytes, mime, uri->get<std::string>(), 0, false) || mime.empty())
      continue;  // a kind the decoder does not know stays as it is, whole
    const std::size_t start = Append(chunk, BytesOf(chunk.decoded.emplace_back(std::move(bytes))));
    const std::size_t length = chunk.decoded.back().size();
    image.erase("uri");
    image["mimeType"] = mime;
    asset["bufferViews"].push_back({{"buffer", 0}, {"byteOffset", start}, {"byteLength", length}});
    image["bufferView"] = asset["bufferViews"].size() - 1;
  }
}

GltfHeldChunk JoinBuffers(GltfJson& asset, const tinygltf::Model& model, const std::string& file) {
  RequireNoExtensions(asset, "buffers", file);
  RequireNoExtensions(asset, "bufferViews", file);
  GltfHeldChunk chunk;
  std::vector<std::size_t> starts;
  for (const tinygltf::Buffer& buffer : model.buffers)
    starts.push_back(Append(chunk, BytesOf(buffer.data)));
  MoveViews(asset, starts, file);
  MoveDataUriImages(asset, chunk);
  GltfJson joined = asset["buffers"][0];
  joined.erase("uri");
  joined["byteLength"] = chunk.size;
  asset["buffers"] = GltfJson::array({joined});
  return chunk;
}

}  // namespace

GltfHeldChunk HoldChunk(GltfJson& asset, const tinygltf::Model& model, ModelFormat output,
                        const std::string& file) {
  GltfHeldChunk chunk;
  if (output != ModelFormat::Glb || model.buffers.empty()) return chunk;
  if (asset["buffers"][0].contains("uri")) return JoinBuffers(asset, model, file);
  Append(chunk, BytesOf(model.buffers[0].data));
  return chunk;
}

}  // namespace refhost
