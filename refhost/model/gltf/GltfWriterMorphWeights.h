#pragma once

#include <cstddef>
#include <string>

#include "refhost/model/gltf/GltfReaderAccessors.h"
#include "refhost/model/gltf/GltfWriterAppender.h"

namespace refhost {

// Makes room for `added` new morph targets after the mesh's `existing` ones,
// each weighted 0, wherever weights are listed per target: the mesh's and
// its nodes' default weights, and every keyframe of every animation channel
// that drives those nodes' weights (a sampler that also drives other nodes
// is copied first). `accessors` reads the asset's accessors as read.
void AddZeroWeights(GltfWriterAppender& appender, const GltfReaderAccessors& accessors, int mesh,
                    std::size_t existing, std::size_t added, const std::string& file);

}  // namespace refhost
