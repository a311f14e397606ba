#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>

namespace refhost {

// A glTF asset's JSON as read, members in their order, so that writing it
// back changes only what the document changed.
using GltfJson = nlohmann::ordered_json;

inline std::string PointerPart(const std::string& key) { return key; }
inline std::string PointerPart(const char* key) { return key; }
inline std::string PointerPart(std::size_t index) { return std::to_string(index); }
inline std::string PointerPart(int index) { return std::to_string(index); }

// "/meshes/0/primitives/1": where a flaw sits, as messages name it. The
// glTF keys used here hold neither "/" nor "~", so nothing needs escaping.
template <typename... Parts>
std::string JsonPointer(const Parts&... parts) {
  std::string pointer;
  ((pointer += "/" + PointerPart(parts)), ...);
  return pointer;
}

}  // namespace refhost
