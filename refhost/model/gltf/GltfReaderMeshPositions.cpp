#include "refhost/model/gltf/GltfReaderMeshPositions.h"

#include <algorithm>

#include "refhost/document/FinitePosition.h"
#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfJson.h"

namespace refhost {
namespace {

constexpr const char* kPosition = "POSITION";

int PositionAccessor(const tinygltf::Primitive& primitive, const std::string& pointer,
                     const std::string& file) {
  const auto found = primitive.attributes.find(kPosition);
  if (found == primitive.attributes.end())
    throw GltfError(file, pointer + "/attributes", "has no POSITION");
  return found->second;
}

// Turns the deltas in `points` into positions: `base` + delta, in that order
// of the sum, checked to stay finite.
void AddBase(MQPoint* points, const MQPoint* base, std::size_t count, const std::string& pointer,
             const std::string& file) {
  for (std::size_t at = 0; at < count; ++at) {
    MQPoint& point = points[at];
    point = {base[at].x + point.x, base[at].y + point.y, base[at].z + point.z};
  }
  const std::size_t moved = FirstNonFinite(points, count);
  if (moved != count)
    throw GltfError(file, pointer,
                    "vertex " + std::to_string(moved) + " moves to a position that is not finite");
}

// The slices of GltfMeshPositions::slices(); ModelFileError naming `file`
// and the primitive at fault otherwise.
std::vector<GltfPrimitiveSlice> MeshSlices(const tinygltf::Model& model, int mesh,
                                           const GltfReaderAccessors& accessors,
                                           const std::string& file) {
  const tinygltf::Mesh& m = model.meshes[static_cast<std::size_t>(mesh)];
  std::vector<GltfPrimitiveSlice> slices;
  int first = 0;
  for (std::size_t p = 0; p < m.primitives.size(); ++p) {
    const tinygltf::Primitive& primitive = m.primitives[p];
    const std::string pointer = JsonPointer("meshes", mesh, "primitives", p);
    if (primitive.targets.size() != m.primitives[0].targets.size())
      throw GltfError(file, pointer + "/targets",
                      std::to_string(primitive.targets.size()) +
                          " morph targets, but primitive 0 has " +
                          std::to_string(m.primitives[0].targets.size()));
    const std::size_t count = accessors.Count(PositionAccessor(primitive, pointer, file),
                                              pointer + "/attributes/POSITION");
    if (count > static_cast<std::size_t>(std::numeric_limits<int>::max() - first))
      throw GltfError(file, pointer, "too many vertices for one object");
    slices.push_back({first, static_cast<int>(count)});
    first += static_cast<int>(count);
  }
  return slices;
}

}  // namespace

GltfMeshPositions::GltfMeshPositions(const tinygltf::Model& model, int mesh,
                                     const GltfReaderAccessors& accessors, const std::string& file)
    : mesh_(model.meshes[static_cast<std::size_t>(mesh)]),
      index_(mesh),
      accessors_(accessors),
      file_(file),
      slices_(MeshSlices(model, mesh, accessors, file)) {
  base_.resize(
      slices_.empty() ? 0 : static_cast<std::size_t>(slices_.back().first + slices_.back().count));
  for (std::size_t p = 0; p < slices_.size(); ++p) {
    const std::string pointer = JsonPointer("meshes", index_, "primitives", p);
    accessors_.ReadPoints(PositionAccessor(mesh_.primitives[p], pointer, file_),
                          pointer + "/attributes/POSITION", base_.data() + slices_[p].first);
  }
}

void GltfMeshPositions::ReadTarget(int target, std::vector<MQPoint>& out) const {
  out.resize(base_.size());
  for (std::size_t p = 0; p < slices_.size(); ++p) {
    const auto first = static_cast<std::size_t>(slices_[p].first);
    const auto count = static_cast<std::size_t>(slices_[p].count);
    const auto& attributes = mesh_.primitives[p].targets[static_cast<std::size_t>(target)];
    const auto delta = attributes.find(kPosition);
    if (delta == attributes.end()) {
      std::copy_n(base_.data() + first, count, out.data() + first);
      continue;
    }
    const std::string pointer =
        JsonPointer("meshes", index_, "primitives", p, "targets", target, kPosition);
    accessors_.RequirePoints(delta->second, pointer);
    const std::size_t deltas = accessors_.Count(delta->second, pointer);
    if (deltas != count)
      throw GltfError(
          file_, pointer,
          std::to_string(deltas) + " deltas for " + std::to_string(count) + " vertices");
    accessors_.ReadPoints(delta->second, pointer, out.data() + first);
    AddBase(out.data() + first, base_.data() + first, count, pointer, file_);
  }
}

}  // namespace refhost
