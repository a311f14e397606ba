#pragma once

#include <vector>

#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfWriterContext.h"
#include "refhost/model/gltf/GltfWriterVrmExpressions.h"

namespace refhost {

// Gives `vrm`, the asset's VRM extension of the older kind, a blend shape
// group per new target, of no preset, binding the target of its mesh at full
// weight (100 on that kind's scale), its other fields at their defaults. A
// name that a group has throws TakenNameError before anything is added.
void AddBlendShapeGroups(const GltfWriterContext& context, GltfJson& vrm,
                         const std::vector<GltfNewTarget>& targets);

}  // namespace refhost
