#include "refhost/model/gltf/GltfReaderAssetCheck.h"

#include <cctype>
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

// Whether `uri` starts with a scheme ("https:", "file:", or a drive "C:") or
// a root: it would name something other than a file beside the asset.
bool LeavesTheAssetsFolder(const std::string& uri) {
  if (!uri.empty() && (uri[0] == '/' || uri[0] == '\\')) return true;
  const std::size_t colon = uri.find(':');
  if (colon == std::string::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(uri[0])))
    return false;
  for (std::size_t at = 1; at < colon; ++at) {
    const char c = uri[at];
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
      return false;
  }
  return true;
}

// A buffer is read only from a regular file beside the asset, of the length
// the asset gives, so that a hostile asset cannot make the tool read a device,
// a pipe, a file elsewhere on the machine or more bytes than it uses.
void CheckBufferFile(const GltfJson& buffer, const std::filesystem::path& folder,
                     const std::string& pointer, const std::string& file) {
  const std::string uri = buffer["uri"].get<std::string>();
  if (LeavesTheAssetsFolder(uri))
    throw GltfError(file, pointer,
                    Quoted(uri) +
                        " is no file beside the asset: only data: URIs and relative "
                        "paths are read");
  std::error_code error;
  const std::filesystem::path path = folder / std::filesystem::u8path(uri);
  if (!std::filesystem::exists(path, error))
    throw GltfError(file, pointer, "cannot open buffer " + Quoted(uri));
  if (!std::filesystem::is_regular_file(path, error))
    throw GltfError(file, pointer, "buffer " + Quoted(uri) + " is not a regular file");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  const std::size_t length = buffer.value("byteLength", std::size_t{0});
  if (error || size != length)
    throw GltfError(
        file, pointer.substr(0, pointer.rfind('/')) + "/byteLength",
        std::to_string(length) + " bytes, but " + Quoted(uri) + " holds " + std::to_string(size));
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
    CheckBufferFile(buffer, folder, JsonPointer("buffers", at, "uri"), file);
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
