#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "refhost/document/Document.h"
#include "refhost/model/gltf/GltfReaderMeshObjects.h"
#include "refhost/model/gltf/GltfWriterContext.h"

namespace refhost {

// A morph target that writing appended to a mesh, to be made an expression.
struct GltfNewTarget {
  int mesh = 0;
  std::size_t index = 0;   // among the mesh's morph targets
  std::string name;        // as the mesh's targetNames give it
  std::string object;      // the document's object it was made of
  std::vector<int> nodes;  // the nodes that show the mesh
};

// When the asset being written is an avatar, its extensions holding
// VRMC_vrm or the older VRM, makes each morph target that writing appended
// an expression of it of the target's name, so that avatar programs offer
// the new target as they offer the avatar's own expressions. `added` holds,
// by index into `meshes`, the objects appended to that mesh as morph
// targets, in order after the targets it was read with. A name the avatar
// already gives an expression throws TakenNameError naming the output; a
// mesh that no node shows gets no expression, since no avatar program could
// show it, and that is noted.
void AddVrmExpressions(const GltfWriterContext& context, const std::vector<GltfMeshObjects>& meshes,
                       const std::map<std::size_t, std::vector<const Object*>>& added);

}  // namespace refhost
