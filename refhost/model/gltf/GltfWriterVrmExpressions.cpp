#include "refhost/model/gltf/GltfWriterVrmExpressions.h"

#include "refhost/document/MorphTargets.h"
#include "refhost/model/gltf/GltfWriterVrm0BlendShapes.h"
#include "refhost/model/gltf/GltfWriterVrm1Expressions.h"
#include "refhost/text/MessageText.h"

namespace refhost {
namespace {

std::vector<int> NodesShowing(const GltfJson& asset, int mesh) {
  std::vector<int> nodes;
  const auto list = asset.find("nodes");
  for (std::size_t at = 0; list != asset.end() && at < list->size(); ++at)
    if ((*list)[at].value("mesh", -1) == mesh) nodes.push_back(static_cast<int>(at));
  return nodes;
}

// The new targets of meshes that some node shows; the others are noted.
std::vector<GltfNewTarget> ShownNewTargets(
    const GltfWriterContext& context, const std::vector<GltfMeshObjects>& meshes,
    const std::map<std::size_t, std::vector<const Object*>>& added) {
  std::vector<GltfNewTarget> targets;
  for (const auto& [at, objects] : added) {
    const GltfMeshObjects& mesh = meshes[at];
    const std::vector<int> nodes = NodesShowing(context.asset, mesh.mesh);
    for (std::size_t k = 0; k < objects.size(); ++k) {
      const std::string& object = objects[k]->name();
      if (nodes.empty())
        context.note("Object " + Quoted(object) +
                     " is a morph target of a mesh that no node shows, so the avatar gets no "
                     "expression of it.");
      else
        targets.push_back({mesh.mesh, mesh.targets.size() + k, MorphNameOf(object), object, nodes});
    }
  }
  return targets;
}

// The extension's object, or null when the asset has none of that name.
GltfJson* Extension(GltfJson& asset, const char* name) {
  const auto extensions = asset.find("extensions");
  if (extensions == asset.end() || !extensions->is_object()) return nullptr;
  const auto found = extensions->find(name);
  return found == extensions->end() ? nullptr : &*found;
}

}  // namespace

void AddVrmExpressions(const GltfWriterContext& context, const std::vector<GltfMeshObjects>& meshes,
                       const std::map<std::size_t, std::vector<const Object*>>& added) {
  GltfJson* const current = Extension(context.asset, "VRMC_vrm");
  GltfJson* const older = Extension(context.asset, "VRM");
  if (current == nullptr && older == nullptr) return;
  const std::vector<GltfNewTarget> targets = ShownNewTargets(context, meshes, added);
  if (targets.empty()) return;
  if (current != nullptr) AddCustomExpressions(context, *current, targets);
  if (older != nullptr) AddBlendShapeGroups(context, *older, targets);
}

}  // namespace refhost
