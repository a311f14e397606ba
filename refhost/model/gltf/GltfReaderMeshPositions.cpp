#include "refhost/model/gltf/GltfReaderMeshPositions.h"

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

void AddDeltas(std::vector<MQPoint>& points, std::size_t first, const std::vector<MQPoint>& deltas,
               const std::string& pointer, const std::string& file) {
  for (std::size_t at = 0; at < deltas.size(); ++at) {
    MQPoint& point = points[first + at];
    point = {point.x + deltas[at].x, point.y + deltas[at].y, point.z + deltas[at].z};
    if (!IsFinite(point))
      throw GltfError(file, pointer,
                      "vertex " + std::to_string(at) + " moves to a position that is not finite");
  }
}

}  // namespace

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

std::vector<MQPoint> MeshPositions(const tinygltf::Model& model, int mesh, int target,
                                   const GltfReaderAccessors& accessors, const std::string& file) {
  const tinygltf::Mesh& m = model.meshes[static_cast<std::size_t>(mesh)];
  std::vector<MQPoint> points;
  for (std::size_t p = 0; p < m.primitives.size(); ++p) {
    const tinygltf::Primitive& primitive = m.primitives[p];
    const std::string pointer = JsonPointer("meshes", mesh, "primitives", p);
    std::vector<MQPoint> base = accessors.Points(PositionAccessor(primitive, pointer, file),
                                                 pointer + "/attributes/POSITION");
    const std::size_t first = points.size();
    const std::size_t count = base.size();
    // A mesh of one primitive, the common case, takes its points uncopied.
    if (points.empty())
      points = std::move(base);
    else
      points.insert(points.end(), base.begin(), base.end());
    if (target < 0) continue;
    const auto& attributes = primitive.targets[static_cast<std::size_t>(target)];
    const auto delta = attributes.find(kPosition);
    if (delta == attributes.end()) continue;
    const std::string deltaPointer =
        JsonPointer("meshes", mesh, "primitives", p, "targets", target, kPosition);
    const std::vector<MQPoint> deltas = accessors.Points(delta->second, deltaPointer);
    if (deltas.size() != count)
      throw GltfError(
          file, deltaPointer,
          std::to_string(deltas.size()) + " deltas for " + std::to_string(count) + " vertices");
    AddDeltas(points, first, deltas, deltaPointer, file);
  }
  return points;
}

}  // namespace refhost
