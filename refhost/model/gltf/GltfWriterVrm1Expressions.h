#pragma once

#include <vector>

#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfWriterContext.h"
#include "refhost/model/gltf/GltfWriterVrmExpressions.h"

namespace refhost {

// Gives `vrm`, the asset's VRMC_vrm extension, a custom expression per new
// target, binding the target at full weight on each node that shows its
// mesh, its other fields left out at their defaults. A name that a custom
// expression has, or that is a preset expression's, which avatar programs
// keep from custom ones, throws TakenNameError before anything is added.
void AddCustomExpressions(const GltfWriterContext& context, GltfJson& vrm,
                          const std::vector<GltfNewTarget>& targets);

}  // namespace refhost
