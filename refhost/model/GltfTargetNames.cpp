#include "refhost/model/GltfTargetNames.h"

#include "abi/MorphNaming.h"
#include "refhost/model/GltfError.h"

namespace refhost {

std::string MorphNameOf(const std::string& objectName) {
  using namespace morph_naming;
  const std::size_t dash = objectName.find(kCoreSeparator, kTargetPrefixLength);
  return objectName.substr(kTargetPrefixLength, dash - kTargetPrefixLength);
}

void NameMorphTarget(GltfJson& mesh, std::size_t target, std::size_t targets,
                     const std::string& name, const std::string& file, const std::string& pointer) {
  GltfJson& extras = mesh["extras"];
  if (extras.is_null()) extras = GltfJson::object();
  if (!extras.is_object())
    throw GltfError(file, pointer + "/extras", "is no object, so it cannot name the morph targets");
  GltfJson& names = extras["targetNames"];
  if (!names.is_array()) names = GltfJson::array();
  for (std::size_t at = names.size(); at < targets; ++at)
    names.push_back("target_" + std::to_string(at));
  names[target] = name;
}

}  // namespace refhost
