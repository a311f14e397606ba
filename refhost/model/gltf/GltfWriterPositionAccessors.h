#pragma once

#include <cstddef>

#include "abi/HostApi.h"
#include "refhost/model/gltf/GltfWriterAppender.h"

namespace refhost {

// A new float VEC3 accessor of the `count` points, packed, with the min and
// max that a POSITION accessor must carry; returns its index.
int AddPositionAccessor(GltfWriterAppender& appender, const MQPoint* points, std::size_t count);

// A new accessor of a morph target's deltas (of positions, normals or
// tangents): sparse, holding only the deltas that are not zero, when that
// takes fewer bytes than all of them, and no data at all when every delta
// is zero; returns its index.
int AddDeltaAccessor(GltfWriterAppender& appender, const MQPoint* deltas, std::size_t count);

}  // namespace refhost
