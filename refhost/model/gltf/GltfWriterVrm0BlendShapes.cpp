#include "refhost/model/gltf/GltfWriterVrm0BlendShapes.h"

#include "refhost/model/TakenNameError.h"
#include "refhost/text/MessageText.h"

namespace refhost {
namespace {

// The index of the group of that name; the groups' count when none has it.
std::size_t GroupIndex(const GltfJson& groups, const std::string& name) {
  std::size_t at = 0;
  while (at < groups.size() && groups[at].value("name", "") != name) ++at;
  return at;
}

void RequireFreeGroupName(const GltfWriterContext& context, const GltfJson& groups,
                          const GltfNewTarget& target) {
  const std::size_t at = GroupIndex(groups, target.name);
  if (at == groups.size()) return;
  throw TakenNameError(
      context.file,
      JsonPointer("extensions", "VRM", "blendShapeMaster", "blendShapeGroups", at, "name") +
          ": the avatar has a blend shape group " + Quoted(target.name) +
          " already; choose another name for the new morph target",
      target.object);
}

GltfJson NewGroup(const std::string& name) {
  return {{"name", name},
          {"presetName", "unknown"},
          {"binds", GltfJson::array()},
          {"materialValues", GltfJson::array()},
          {"isBinary", false}};
}

}  // namespace

void AddBlendShapeGroups(const GltfWriterContext& context, GltfJson& vrm,
                         const std::vector<GltfNewTarget>& targets) {
  GltfJson& groups = vrm["blendShapeMaster"]["blendShapeGroups"];
  if (groups.is_null()) groups = GltfJson::array();
  for (const GltfNewTarget& target : targets) RequireFreeGroupName(context, groups, target);
  for (const GltfNewTarget& target : targets) {
    // New targets of one name, on several meshes, share their group.
    const std::size_t at = GroupIndex(groups, target.name);
    if (at == groups.size()) groups.push_back(NewGroup(target.name));
    groups[at]["binds"].push_back(
        {{"mesh", target.mesh}, {"index", target.index}, {"weight", 100}});
  }
}

}  // namespace refhost
