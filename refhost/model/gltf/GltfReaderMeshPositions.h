#pragma once

#include <tiny_gltf.h>

#include <string>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/model/gltf/GltfReaderAccessors.h"
#include "refhost/model/gltf/GltfReaderPrimitiveElements.h"

namespace refhost {

// A mesh's positions in primitive order, read from its accessors: the base's
// once, and each morph target's on demand into memory the caller reuses, so
// that reading many targets allocates nothing per target.
class GltfMeshPositions {
 public:
  GltfMeshPositions(const tinygltf::Model& model, int mesh, const GltfReaderAccessors& accessors,
                    const std::string& file);

  // Where each primitive's POSITION values sit among the mesh's vertices, in
  // primitive order; every primitive's morph targets checked to be as many
  // as the first's.
  const std::vector<GltfPrimitiveSlice>& slices() const { return slices_; }
  const std::vector<MQPoint>& base() const { return base_; }
  // Morph target `target`'s positions, base + delta in float32 for every
  // vertex, into `out`.
  void ReadTarget(int target, std::vector<MQPoint>& out) const;

 private:
  const tinygltf::Mesh& mesh_;
  int index_;
  const GltfReaderAccessors& accessors_;
  const std::string& file_;
  std::vector<GltfPrimitiveSlice> slices_;
  std::vector<MQPoint> base_;
};

}  // namespace refhost
