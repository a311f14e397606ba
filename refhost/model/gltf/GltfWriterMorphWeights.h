#pragma once

#include <cstddef>
#include <string>

#include "refhost/model/gltf/GltfWriterContext.h"

namespace refhost {

// Makes room for `added` new morph targets after the mesh's `existing` ones,
// each weighted 0, wherever weights are listed per target: the mesh's and
// its nodes' default weights, and every keyframe of every animation channel
// that drives those nodes' weights (a sampler that also drives other nodes
// is copied first).
void AddZeroWeights(const GltfWriterContext& context, int mesh, std::size_t existing,
                    std::size_t added);

}  // namespace refhost
