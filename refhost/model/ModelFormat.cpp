#include "refhost/model/ModelFormat.h"

#include <algorithm>
#include <cctype>

#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/obj/ObjReaderTextStart.h"

namespace refhost {
namespace {

struct NamedFormat {
  const char* extension;
  ModelFormat format;
  const char* name;  // the first of a format is its name in messages
};

constexpr NamedFormat kNamedFormats[] = {{".obj", ModelFormat::Obj, "OBJ"},
                                         {".gltf", ModelFormat::Gltf, "glTF"},
                                         {".glb", ModelFormat::Glb, "binary glTF"},
                                         {".vrm", ModelFormat::Glb, "VRM"}};

bool StartsAsJsonObject(std::string_view head) {
  const std::size_t first = head.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && head[first] == '{';
}

}  // namespace

std::optional<ModelFormat> FormatNamedBy(const std::filesystem::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const NamedFormat& named : kNamedFormats)
    if (extension == named.extension) return named.format;
  return std::nullopt;
}

std::optional<ModelFormat> FormatOfContent(std::string_view head) {
  if (IsGlb(head)) return ModelFormat::Glb;
  if (StartsAsJsonObject(head)) return ModelFormat::Gltf;
  if (StartsAsObjText(head)) return ModelFormat::Obj;
  return std::nullopt;
}

ModelFormat FormatOfBytes(std::string_view bytes) {
  return FormatOfContent(bytes).value_or(ModelFormat::Obj);
}

bool IsGltf(ModelFormat format) { return format != ModelFormat::Obj; }

const char* FormatName(ModelFormat format) {
  for (const NamedFormat& named : kNamedFormats)
    if (named.format == format) return named.name;
  return "";
}

std::string ReadFormatsList() {
  std::string list;
  for (const NamedFormat& named : kNamedFormats)
    list += std::string(list.empty() ? "" : ", ") + named.name + " " + named.extension;
  return list;
}

}  // namespace refhost
