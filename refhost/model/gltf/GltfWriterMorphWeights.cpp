#include "refhost/model/gltf/GltfWriterMorphWeights.h"

#include <map>
#include <set>
#include <vector>

#include "refhost/model/gltf/GltfError.h"

namespace refhost {
namespace {

// The array at `key`, or null when the object has none; never adds the key.
GltfJson* ArrayAt(GltfJson& object, const char* key) {
  const auto found = object.find(key);
  return found != object.end() && found->is_array() ? &*found : nullptr;
}

void AppendZeros(GltfJson& object, std::size_t added) {
  GltfJson* weights = ArrayAt(object, "weights");
  for (std::size_t at = 0; weights != nullptr && at < added; ++at) weights->push_back(0.0);
}

std::set<int> NodesOf(GltfJson& asset, int mesh, std::size_t added) {
  std::set<int> nodes;
  GltfJson* list = ArrayAt(asset, "nodes");
  for (std::size_t at = 0; list != nullptr && at < list->size(); ++at) {
    GltfJson& node = (*list)[at];
    if (!node.is_object() || node.value("mesh", -1) != mesh) continue;
    nodes.insert(static_cast<int>(at));
    AppendZeros(node, added);
  }
  return nodes;
}

bool DrivesWeightsOf(const GltfJson& channel, const std::set<int>& nodes) {
  const GltfJson& target = channel.value("target", GltfJson::object());
  return target.value("path", "") == "weights" && nodes.count(target.value("node", -1)) != 0;
}

// The output accessor with `added` zeros after each keyframe's `existing`
// weights (each of a cubic spline's tangents and value alike).
int WidenedOutput(const GltfWriterContext& context, int output, std::size_t existing,
                  std::size_t added, const std::string& user) {
  const std::string bytes = context.accessors.ElementBytes(output, user);
  const std::size_t size = context.accessors.ElementSize(output, user);
  const std::size_t count = context.accessors.Count(output, user);
  if (existing == 0 || count % existing != 0)
    throw GltfError(context.file, user,
                    std::to_string(count) + " weights are no whole number of keyframes of " +
                        std::to_string(existing) + " morph targets");
  std::string widened;
  widened.reserve((count + count / existing * added) * size);
  for (std::size_t group = 0; group < count / existing; ++group) {
    widened.append(bytes, group * existing * size, existing * size);
    widened.append(added * size, '\0');
  }
  const GltfJson& old = context.asset["accessors"][static_cast<std::size_t>(output)];
  GltfJson accessor = {{"bufferView", context.appender.AddView(widened, 0)},
                       {"componentType", old.value("componentType", 0)},
                       {"count", count + count / existing * added},
                       {"type", "SCALAR"}};
  if (old.value("normalized", false)) accessor["normalized"] = true;
  return context.appender.AddAccessor(std::move(accessor));
}

void WidenAnimation(const GltfWriterContext& context, std::size_t animation,
                    const std::set<int>& nodes, std::size_t existing, std::size_t added) {
  GltfJson& anim = (*ArrayAt(context.asset, "animations"))[animation];
  GltfJson* channels = anim.is_object() ? ArrayAt(anim, "channels") : nullptr;
  GltfJson* samplers = anim.is_object() ? ArrayAt(anim, "samplers") : nullptr;
  std::map<int, std::vector<std::size_t>> ours;  // sampler: our channels
  std::map<int, std::size_t> users;              // sampler: all its channels
  for (std::size_t at = 0; channels != nullptr && at < channels->size(); ++at) {
    const int sampler = (*channels)[at].value("sampler", -1);
    ++users[sampler];
    if (DrivesWeightsOf((*channels)[at], nodes)) ours[sampler].push_back(at);
  }
  for (const auto& [sampler, list] : ours) {
    const std::string user = JsonPointer("animations", animation, "samplers", sampler, "output");
    if (sampler < 0 || samplers == nullptr || static_cast<std::size_t>(sampler) >= samplers->size())
      throw GltfError(context.file,
                      JsonPointer("animations", animation, "channels", list[0], "sampler"),
                      "no such sampler");
    GltfJson widened = (*samplers)[static_cast<std::size_t>(sampler)];
    widened["output"] = WidenedOutput(context, widened.value("output", -1), existing, added, user);
    if (users[sampler] == list.size()) {
      (*samplers)[static_cast<std::size_t>(sampler)] = std::move(widened);
      continue;
    }
    samplers->push_back(std::move(widened));
    for (std::size_t channel : list) (*channels)[channel]["sampler"] = samplers->size() - 1;
  }
}

}  // namespace

void AddZeroWeights(const GltfWriterContext& context, int mesh, std::size_t existing,
                    std::size_t added) {
  GltfJson& asset = context.asset;
  AppendZeros(asset["meshes"][static_cast<std::size_t>(mesh)], added);
  const std::set<int> nodes = NodesOf(asset, mesh, added);
  const GltfJson* animations = ArrayAt(asset, "animations");
  for (std::size_t at = 0; animations != nullptr && at < animations->size(); ++at)
    WidenAnimation(context, at, nodes, existing, added);
}

}  // namespace refhost
