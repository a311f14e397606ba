#include "refhost/model/gltf/GltfReaderAssetCheck.h"

#include <set>

#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfReaderMemberTypes.h"
#include "refhost/text/MessageText.h"

namespace refhost {
namespace {

// Extensions whose geometry this tool cannot decode, and so could not carry
// through with new morph targets.
const std::set<std::string> kCompressions = {"KHR_draco_mesh_compression",
                                             "EXT_meshopt_compression", "KHR_meshopt_compression"};

void CheckVersion(const GltfJson& asset, const std::string& file) {
  const auto found = asset.find("asset");
  if (found == asset.end() || !found->is_object())
    throw GltfError(file, "", "not a glTF asset: it has no \"asset\" object");
  const auto version = found->find("version");
  const std::string text =
      version != found->end() && version->is_string() ? version->get<std::string>() : "";
  if (text.rfind("2.", 0) != 0)
    throw GltfError(file, "/asset/version",
                    "glTF version " + Quoted(text) + " is not read; only 2.x is");
}

void CheckExtensions(const GltfJson& asset, const std::string& list, const std::string& file) {
  const auto found = asset.find(list);
  if (found == asset.end() || !found->is_array()) return;
  for (std::size_t at = 0; at < found->size(); ++at) {
    const GltfJson& name = (*found)[at];
    if (name.is_string() && kCompressions.count(name.get<std::string>()) != 0)
      throw GltfError(file, JsonPointer(list, at),
                      "compressed geometry (" + name.get<std::string>() + ") cannot be read");
  }
}

void CheckChunkBuffer(const GltfJson& buffer, std::size_t at, const std::size_t* chunkSize,
                      const std::string& file) {
  if (chunkSize == nullptr || at != 0)
    throw GltfError(file, JsonPointer("buffers", at),
                    "has no uri, which only a binary glTF's first buffer may lack");
  const std::size_t length = buffer.value("byteLength", std::size_t{0});
  if (length > *chunkSize)
    throw GltfError(file, JsonPointer("buffers", at, "byteLength"),
                    std::to_string(length) + " bytes, but the binary chunk holds " +
                        std::to_string(*chunkSize));
}

void CheckBuffers(const GltfJson& asset, const std::filesystem::path& folder,
                  const std::size_t* chunkSize, const std::string& file) {
  const auto buffers = asset.find("buffers");
  if (buffers == asset.end() || !buffers->is_array()) return;
  for (std::size_t at = 0; at < buffers->size(); ++at) {
    const GltfJson& buffer = (*buffers)[at];
    if (!buffer.is_object()) continue;
    if (!buffer.contains("uri")) CheckChunkBuffer(buffer, at, chunkSize, file);
    if (!buffer.contains("uri") || !IsFileUri(buffer["uri"])) continue;
    const std::string uri = buffer["uri"].get<std::string>();
    std::error_code error;
    if (!std::filesystem::is_regular_file(folder / std::filesystem::u8path(uri), error))
      throw GltfError(file, JsonPointer("buffers", at, "uri"), "cannot open buffer " + Quoted(uri));
  }
}

}  // namespace

bool IsFileUri(const GltfJson& uri) {
  return uri.is_string() && uri.get<std::string>().rfind("data:", 0) != 0;
}

void CheckGltfAsset(const GltfJson& asset, const std::filesystem::path& folder,
                    const std::size_t* chunkSize, const std::string& file) {
  if (!asset.is_object()) throw GltfError(file, "", "not a glTF asset: its JSON is no object");
  CheckVersion(asset, file);
  CheckExtensions(asset, "extensionsUsed", file);
  CheckExtensions(asset, "extensionsRequired", file);
  CheckMemberTypes(asset, file);
  CheckBuffers(asset, folder, chunkSize, file);
}

}  // namespace refhost
