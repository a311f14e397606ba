#include "refhost/model/gltf/GltfWriterMixedDeltas.h"

#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfJson.h"

namespace refhost {
namespace {

// The accessor of the attribute's deltas in morph target `target` of the
// primitive; -1 when it has none.
int DeltaAccessorOf(const tinygltf::Primitive& primitive, int target, const char* attribute) {
  const auto& attributes = primitive.targets[static_cast<std::size_t>(target)];
  const auto found = attributes.find(attribute);
  return found == attributes.end() ? -1 : found->second;
}

// weight × delta; an empty list of deltas holds zeros.
MQPoint Scaled(const std::vector<MQPoint>& deltas, std::size_t at, float weight) {
  const MQPoint d = deltas.empty() ? MQPoint{0, 0, 0} : deltas[at];
  return {d.x * weight, d.y * weight, d.z * weight};
}

// The first term's product starts the sum, so that it keeps its bits (a
// -0.0 too), as the formula written out term by term gives them.
std::vector<MQPoint> WeightedSum(const std::vector<std::vector<MQPoint>>& deltas,
                                 const MorphMix& mix, std::size_t count) {
  std::vector<MQPoint> sum(count);
  for (std::size_t at = 0; at < count; ++at) {
    MQPoint total = Scaled(deltas[0], at, mix.terms[0].weight);
    for (std::size_t term = 1; term < deltas.size(); ++term) {
      const MQPoint next = Scaled(deltas[term], at, mix.terms[term].weight);
      total = {total.x + next.x, total.y + next.y, total.z + next.z};
    }
    sum[at] = total;
  }
  return sum;
}

}  // namespace

std::optional<std::vector<MQPoint>> MixedDeltas(const GltfWriterContext& context,
                                                const GltfMeshObjects& objects, const MorphMix& mix,
                                                std::size_t primitive, const char* attribute) {
  const tinygltf::Primitive& read =
      context.model.meshes[static_cast<std::size_t>(objects.mesh)].primitives[primitive];
  const auto count = static_cast<std::size_t>(objects.primitives[primitive].count);
  std::vector<std::vector<MQPoint>> deltas;
  bool any = false;
  for (const MixTerm& term : mix.terms) {
    const int target = objects.TargetIndex(term.target);
    const int accessor = target < 0 ? -1 : DeltaAccessorOf(read, target, attribute);
    deltas.emplace_back();
    if (accessor < 0) continue;
    const std::string pointer =
        JsonPointer("meshes", objects.mesh, "primitives", primitive, "targets", target, attribute);
    if (context.model.accessors[static_cast<std::size_t>(accessor)].componentType !=
        TINYGLTF_COMPONENT_TYPE_FLOAT) {
      context.note("The new morph target carries no " + std::string(attribute) +
                   " deltas: " + pointer + " holds quantized ones, which are not mixed.");
      return std::nullopt;
    }
    deltas.back() = context.accessors.Points(accessor, pointer);
    if (deltas.back().size() != count)
      throw GltfError(context.file, pointer,
                      std::to_string(deltas.back().size()) + " deltas for " +
                          std::to_string(count) + " vertices");
    any = true;
  }
  if (!any) return std::nullopt;
  return WeightedSum(deltas, mix, count);
}

}  // namespace refhost
