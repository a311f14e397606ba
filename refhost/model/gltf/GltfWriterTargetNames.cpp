#include "refhost/model/gltf/GltfWriterTargetNames.h"

#include "refhost/document/MorphTargets.h"
#include "refhost/model/gltf/GltfError.h"
#include "refhost/text/MessageText.h"

namespace refhost {

void NameMorphTarget(GltfJson& mesh, std::size_t target, std::size_t targets,
                     const std::string& name, const std::string& file, const std::string& pointer) {
  GltfJson& extras = mesh["extras"];
  if (extras.is_null()) extras = GltfJson::object();
  if (!extras.is_object())
    throw GltfError(file, pointer + "/extras", "is no object, so it cannot name the morph targets");
  GltfJson& names = extras["targetNames"];
  if (!names.is_array()) names = GltfJson::array();
  for (std::size_t at = names.size(); at < targets; ++at) names.push_back(UnnamedTargetName(at));
  for (std::size_t at = 0; at < names.size(); ++at)
    if (at != target && names[at] == name)
      throw GltfError(file, pointer + "/extras/targetNames/" + std::to_string(at),
                      "already holds the name " + Quoted(name) +
                          "; a mesh's morph targets need names of their own");
  names[target] = name;
}

}  // namespace refhost
