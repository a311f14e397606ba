#include "refhost/model/gltf/GltfReaderMemberTypes.h"

#include <string_view>

#include "refhost/model/gltf/GltfError.h"

namespace refhost {
namespace {

enum class Kind {
  Index,
  Integer,
  Boolean,
  String,
  Object,
  Array,
  IndexArray,
  NumberArray,
  ObjectArray
};

// A member by its path from the asset's root, "*" standing for each element
// of an array or member of an object. A required member must be there
// wherever its parent is: the loader drops a primitive without attributes,
// and the asset's primitives would no longer match the loaded ones.
struct MemberRule {
  std::string_view path;
  Kind kind;
  bool required = false;
};

constexpr MemberRule kRules[] = {
    {"scene", Kind::Index},
    {"scenes", Kind::ObjectArray},
    {"scenes/*/nodes", Kind::IndexArray},
    {"nodes", Kind::ObjectArray},
    {"nodes/*/mesh", Kind::Index},
    {"nodes/*/weights", Kind::NumberArray},
    {"nodes/*/children", Kind::IndexArray},
    {"meshes", Kind::ObjectArray},
    {"meshes/*/name", Kind::String},
    {"meshes/*/weights", Kind::NumberArray},
    {"meshes/*/extras/targetNames", Kind::Array},
    {"meshes/*/primitives", Kind::ObjectArray},
    {"meshes/*/primitives/*/attributes", Kind::Object, true},
    {"meshes/*/primitives/*/attributes/*", Kind::Index},
    {"meshes/*/primitives/*/indices", Kind::Index},
    {"meshes/*/primitives/*/mode", Kind::Integer},
    {"meshes/*/primitives/*/targets", Kind::ObjectArray},
    {"meshes/*/primitives/*/targets/*/*", Kind::Index},
    {"animations", Kind::ObjectArray},
    {"animations/*/channels", Kind::ObjectArray},
    {"animations/*/channels/*/sampler", Kind::Index},
    {"animations/*/channels/*/target", Kind::Object},
    {"animations/*/channels/*/target/node", Kind::Index},
    {"animations/*/channels/*/target/path", Kind::String},
    {"animations/*/samplers", Kind::ObjectArray},
    {"animations/*/samplers/*/input", Kind::Index},
    {"animations/*/samplers/*/output", Kind::Index},
    {"buffers", Kind::ObjectArray},
    {"buffers/*/byteLength", Kind::Index},
    {"buffers/*/uri", Kind::String},
    {"bufferViews", Kind::ObjectArray},
    {"bufferViews/*/buffer", Kind::Index},
    {"bufferViews/*/byteOffset", Kind::Index},
    {"bufferViews/*/byteLength", Kind::Index},
    {"bufferViews/*/byteStride", Kind::Index},
    {"accessors", Kind::ObjectArray},
    {"accessors/*/bufferView", Kind::Index},
    {"accessors/*/byteOffset", Kind::Index},
    {"accessors/*/componentType", Kind::Integer},
    {"accessors/*/normalized", Kind::Boolean},
    {"accessors/*/count", Kind::Index},
    {"accessors/*/type", Kind::String},
};

bool IsIndex(const GltfJson& value) {
  return value.is_number_unsigned() ||
         (value.is_number_integer() && value.get<std::int64_t>() >= 0);
}

bool AllOf(const GltfJson& value, bool (*test)(const GltfJson&)) {
  if (!value.is_array()) return false;
  for (const GltfJson& element : value)
    if (!test(element)) return false;
  return true;
}

bool Holds(const GltfJson& value, Kind kind) {
  switch (kind) {
    case Kind::Index:
      return IsIndex(value);
    case Kind::Integer:
      return value.is_number_integer();
    case Kind::Boolean:
      return value.is_boolean();
    case Kind::String:
      return value.is_string();
    case Kind::Object:
      return value.is_object();
    case Kind::Array:
      return value.is_array();
    case Kind::IndexArray:
      return AllOf(value, IsIndex);
    case Kind::NumberArray:
      return AllOf(value, [](const GltfJson& element) { return element.is_number(); });
    case Kind::ObjectArray:
      return AllOf(value, [](const GltfJson& element) { return element.is_object(); });
  }
  return false;
}

const char* Named(Kind kind) {
  switch (kind) {
    case Kind::Index:
      return "a whole number from 0";
    case Kind::Integer:
      return "a whole number";
    case Kind::Boolean:
      return "true or false";
    case Kind::String:
      return "a string";
    case Kind::Object:
      return "an object";
    case Kind::Array:
      return "an array";
    case Kind::IndexArray:
      return "an array of whole numbers from 0";
    case Kind::NumberArray:
      return "an array of numbers";
    case Kind::ObjectArray:
      return "an array of objects";
  }
  return "";
}

// Checks the members at `path` below `value`, which sits at `pointer`. A
// step through a member of another type, which its own rule refuses, is no
// concern of this rule.
void Check(const GltfJson& value, std::string_view path, const std::string& pointer,
           const MemberRule& rule, const std::string& file) {
  if (path.empty()) {
    if (!Holds(value, rule.kind))
      throw GltfError(file, pointer,
                      std::string("must be ") + Named(rule.kind) + ", not " + value.type_name());
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
