#include "refhost/model/gltf/GltfReaderMemberTypes.h"

#include <string_view>

#include "refhost/model/gltf/GltfError.h"

namespace refhost {
namespace {

bool IsIndex(const GltfJson& value) {
  return value.is_number_unsigned() ||
         (value.is_number_integer() && value.get<std::int64_t>() >= 0);
}
bool IsInteger(const GltfJson& value) { return value.is_number_integer(); }
bool IsNumber(const GltfJson& value) { return value.is_number(); }
bool IsBoolean(const GltfJson& value) { return value.is_boolean(); }
bool IsString(const GltfJson& value) { return value.is_string(); }
bool IsObject(const GltfJson& value) { return value.is_object(); }
bool IsArray(const GltfJson& value) { return value.is_array(); }

template <bool (*IsElement)(const GltfJson&)>
bool IsArrayOf(const GltfJson& value) {
  if (!value.is_array()) return false;
  for (const GltfJson& element : value)
    if (!IsElement(element)) return false;
  return true;
}

// A type a member must have, as messages name it.
struct Kind {
  bool (*holds)(const GltfJson&);
  const char* name;
};

constexpr Kind kIndex{IsIndex, "a whole number from 0"};
constexpr Kind kInteger{IsInteger, "a whole number"};
constexpr Kind kBoolean{IsBoolean, "true or false"};
constexpr Kind kString{IsString, "a string"};
constexpr Kind kObject{IsObject, "an object"};
constexpr Kind kArray{IsArray, "an array"};
constexpr Kind kIndexArray{IsArrayOf<IsIndex>, "an array of whole numbers from 0"};
constexpr Kind kNumberArray{IsArrayOf<IsNumber>, "an array of numbers"};
constexpr Kind kObjectArray{IsArrayOf<IsObject>, "an array of objects"};

// A member by its path from the asset's root, "*" standing for each element
// of an array or member of an object. A required member must be there
// wherever its parent is: the loader drops a primitive without attributes,
// and the asset's primitives would no longer match the loaded ones.
struct MemberRule {
  std::string_view path;
  const Kind& kind;
  bool required = false;
};

constexpr MemberRule kRules[] = {
    {"scene", kIndex},
    {"scenes", kObjectArray},
    {"scenes/*/nodes", kIndexArray},
    {"nodes", kObjectArray},
    {"nodes/*/mesh", kIndex},
    {"nodes/*/weights", kNumberArray},
    {"nodes/*/children", kIndexArray},
    {"meshes", kObjectArray},
    {"meshes/*/name", kString},
    {"meshes/*/weights", kNumberArray},
    {"meshes/*/extras/targetNames", kArray},
    {"meshes/*/primitives", kObjectArray},
    {"meshes/*/primitives/*/attributes", kObject, true},
    {"meshes/*/primitives/*/attributes/*", kIndex},
    {"meshes/*/primitives/*/indices", kIndex},
    {"meshes/*/primitives/*/mode", kInteger},
    {"meshes/*/primitives/*/targets", kObjectArray},
    {"meshes/*/primitives/*/targets/*/*", kIndex},
    {"animations", kObjectArray},
    {"animations/*/channels", kObjectArray},
    {"animations/*/channels/*/sampler", kIndex},
    {"animations/*/channels/*/target", kObject},
    {"animations/*/channels/*/target/node", kIndex},
    {"animations/*/channels/*/target/path", kString},
    {"animations/*/samplers", kObjectArray},
    {"animations/*/samplers/*/input", kIndex},
    {"animations/*/samplers/*/output", kIndex},
    {"buffers", kObjectArray},
    {"buffers/*/byteLength", kIndex},
    {"buffers/*/uri", kString},
    {"bufferViews", kObjectArray},
    {"bufferViews/*/buffer", kIndex},
    {"bufferViews/*/byteOffset", kIndex},
    {"bufferViews/*/byteLength", kIndex},
    {"bufferViews/*/byteStride", kIndex},
    {"accessors", kObjectArray},
    {"accessors/*/bufferView", kIndex},
    {"accessors/*/byteOffset", kIndex},
    {"accessors/*/componentType", kInteger},
    {"accessors/*/normalized", kBoolean},
    {"accessors/*/count", kIndex},
    {"accessors/*/type", kString},
    {"extensions/VRMC_vrm", kObject},
    {"extensions/VRMC_vrm/expressions", kObject},
    {"extensions/VRMC_vrm/expressions/preset", kObject},
    {"extensions/VRMC_vrm/expressions/custom", kObject},
    {"extensions/VRM", kObject},
    {"extensions/VRM/blendShapeMaster", kObject},
    {"extensions/VRM/blendShapeMaster/blendShapeGroups", kObjectArray},
    {"extensions/VRM/blendShapeMaster/blendShapeGroups/*/name", kString},
};

// Checks the members at `path` below `value`, which sits at `pointer`. A
// step through a member of another type, which its own rule refuses, is no
// concern of this rule.
void Check(const GltfJson& value, std::string_view path, const std::string& pointer,
           const MemberRule& rule, const std::string& file) {
  if (path.empty()) {
    if (!rule.kind.holds(value))
      throw GltfError(file, pointer,
                      std::string("must be ") + rule.kind.name + ", not " + value.type_name());
    return;
  }
  const std::size_t slash = path.find('/');
  const std::string step(path.substr(0, slash));
  const std::string_view rest = slash == std::string_view::npos ? "" : path.substr(slash + 1);
  if (step == "*" && value.is_array()) {
    for (std::size_t at = 0; at < value.size(); ++at)
      Check(value[at], rest, pointer + "/" + std::to_string(at), rule, file);
    return;
  }
  if (!value.is_object()) return;
  if (step == "*") {
    for (const auto& [key, member] : value.items())
      Check(member, rest, pointer + "/" + key, rule, file);
    return;
  }
  const auto found = value.find(step);
  if (found != value.end())
    Check(*found, rest, pointer + "/" + step, rule, file);
  else if (rule.required && rest.empty())
    throw GltfError(file, pointer, "has no \"" + step + "\" member");
}

}  // namespace

void CheckMemberTypes(const GltfJson& asset, const std::string& file) {
  for (const MemberRule& rule : kRules) Check(asset, rule.path, "", rule, file);
}

}  // namespace refhost
