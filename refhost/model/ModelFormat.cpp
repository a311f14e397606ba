#include "refhost/model/ModelFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace refhost {

ModelFormat FormatOfPath(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".gltf") return ModelFormat::Gltf;
  if (extension == ".glb") return ModelFormat::Glb;
  return ModelFormat::Obj;
}

ModelFormat FormatOfBytes(std::string_view bytes) {
  if (bytes.substr(0, 4) == "glTF") return ModelFormat::Glb;
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  if (first != std::string_view::npos && bytes[first] == '{') return ModelFormat::Gltf;
  return ModelFormat::Obj;
}

bool IsGltf(ModelFormat format) { return format != ModelFormat::Obj; }

const char* FormatName(ModelFormat format) {
  static constexpr const char* kNames[] = {"OBJ", "glTF", "binary glTF"};
  return kNames[static_cast<int>(format)];
}

}  // namespace refhost
