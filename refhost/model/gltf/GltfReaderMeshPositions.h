#pragma once

#include <tiny_gltf.h>

#include <vector>

#include "abi/HostApi.h"
#include "refhost/model/gltf/GltfReaderAccessors.h"
#include "refhost/model/gltf/GltfReaderPrimitiveElements.h"

namespace refhost {

// Where each primitive's POSITION values sit among the mesh's vertices, in
// primitive order; every primitive's morph targets checked to be as many as
// the first's. ModelFileError naming `file` and the primitive otherwise.
std::vector<GltfPrimitiveSlice> MeshSlices(const tinygltf::Model& model, int mesh,
                                           const GltfReaderAccessors& accessors,
                                           const std::string& file);

// The mesh's positions in primitive order: the base's when `target` is -1,
// else morph target `target`'s, base + delta in float32 for every vertex.
std::vector<MQPoint> MeshPositions(const tinygltf::Model& model, int mesh, int target,
                                   const GltfReaderAccessors& accessors, const std::string& file);

}  // namespace refhost
