#include "refhost/model/gltf/GltfWriterBuffers.h"

#include "refhost/files/RelocatedPath.h"
#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/gltf/GltfReaderAssetCheck.h"
#include "refhost/model/gltf/GltfWriterAppender.h"

namespace refhost {
namespace {

bool HoldsBinaryChunk(const GltfJson& buffer) { return !buffer.contains("uri"); }

std::string Base64(std::string_view bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t at = 0; at < bytes.size(); at += 3) {
    std::uint32_t group = static_cast<unsigned char>(bytes[at]) << 16;
    if (at + 1 < bytes.size()) group |= static_cast<unsigned char>(bytes[at + 1]) << 8;
    if (at + 2 < bytes.size()) group |= static_cast<unsigned char>(bytes[at + 2]);
    for (std::size_t digit = 0; digit < 4; ++digit)
      text += at + digit <= bytes.size() ? kDigits[group >> (18 - 6 * digit) & 0x3F] : '=';
  }
  return text;
}

void RelocateUris(GltfJson& asset, const char* list, const std::filesystem::path& from,
                  const std::filesystem::path& to) {
  const auto found = asset.find(list);
  if (found == asset.end() || !found->is_array()) return;
  for (GltfJson& item : *found) {
    if (!item.is_object() || !item.contains("uri") || !IsFileUri(item["uri"])) continue;
    item["uri"] = RelocatedPath(item["uri"].get<std::string>(), from, to);
  }
}

}  // namespace

std::string DataUri(std::string_view bytes) {
  return "data:application/octet-stream;base64," + Base64(bytes);
}

GltfNewData PlaceNewData(const GltfJson& asset, const GltfHeldChunk& held, ModelFormat output) {
  if (output == ModelFormat::Glb) return {0, PaddedToFour(held.size), true};
  const auto buffers = asset.find("buffers");
  return {buffers == asset.end() ? 0 : static_cast<int>(buffers->size()), 0, false};
}

std::vector<std::string_view> FinishBuffers(const GltfWriterContext& context,
                                            const GltfNewData& place, const GltfHeldChunk& held,
                                            const std::filesystem::path& from,
                                            const std::filesystem::path& to) {
  GltfJson& asset = context.asset;
  const tinygltf::Model& model = context.model;
  const std::string& added = context.appender.bytes();
  if (!SameFolder(from, to)) {
    RelocateUris(asset, "buffers", from, to);
    RelocateUris(asset, "images", from, to);
  }
  for (std::size_t at = 0; context.format == ModelFormat::Gltf && at < model.buffers.size(); ++at)
    if (HoldsBinaryChunk(asset["buffers"][at]))
      asset["buffers"][at]["uri"] = DataUri(BytesOf(model.buffers[at].data));
  std::vector<std::string_view> chunk = held.pieces;
  if (added.empty()) return chunk;
  if (!place.inBinaryChunk) {
    AppendTo(asset, "buffers", {{"byteLength", added.size()}, {"uri", DataUri(added)}});
    return chunk;
  }
  chunk.push_back(ZeroPadding(held.size));
  chunk.push_back(added);
  if (!asset.contains("buffers")) AppendTo(asset, "buffers", GltfJson::object());
  asset["buffers"][0]["byteLength"] = place.offset + added.size();
  return chunk;
}

}  // namespace refhost
