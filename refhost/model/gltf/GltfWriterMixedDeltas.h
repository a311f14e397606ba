#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/document/MorphMix.h"
#include "refhost/model/gltf/GltfReaderMeshObjects.h"
#include "refhost/model/gltf/GltfWriterContext.h"

namespace refhost {

// The deltas of `attribute` (NORMAL or TANGENT, three components as targets
// store them) that `mix` gives primitive `primitive` of the mesh: the sum of
// weight × the term's target's delta, term after term, each operation
// rounded to float, a target without such deltas (or no morph target of
// this mesh) counting as zero. What a
// renderer shows at the mix's weights on the targets is so what it shows at
// weight 1 on the new one. None when no term's target has them, or when one
// cannot be read as float deltas (told to `context.note`).
std::optional<std::vector<MQPoint>> MixedDeltas(const GltfWriterContext& context,
                                                const GltfMeshObjects& objects, const MorphMix& mix,
                                                std::size_t primitive, const char* attribute);

}  // namespace refhost
