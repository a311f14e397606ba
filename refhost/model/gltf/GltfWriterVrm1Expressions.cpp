#include "refhost/model/gltf/GltfWriterVrm1Expressions.h"

#include <string_view>

#include "refhost/model/TakenNameError.h"
#include "refhost/text/MessageText.h"

namespace refhost {
namespace {

constexpr std::string_view kPresetNames[] = {
    "happy",      "angry",  "sad",      "relaxed",  "surprised", "aa",
    "ih",         "ou",     "ee",       "oh",       "blink",     "blinkLeft",
    "blinkRight", "lookUp", "lookDown", "lookLeft", "lookRight", "neutral"};

bool IsPresetName(const std::string& name) {
  for (std::string_view preset : kPresetNames)
    if (name == preset) return true;
  return false;
}

void RequireFreeExpressionName(const GltfWriterContext& context, const GltfJson& expressions,
                               const GltfNewTarget& target) {
  const std::string pointer =
      (GltfJson::json_pointer("/extensions/VRMC_vrm/expressions/custom") / target.name).to_string();
  const char* const choose = "; choose another name for the new morph target";
  if (IsPresetName(target.name))
    throw TakenNameError(context.file,
                         pointer + ": " + Quoted(target.name) +
                             " is a preset expression's name, which a custom one cannot have" +
                             choose,
                         target.object);
  const auto custom = expressions.find("custom");
  if (custom != expressions.end() && custom->contains(target.name))
    throw TakenNameError(
        context.file,
        pointer + ": the avatar has an expression " + Quoted(target.name) + " already" + choose,
        target.object);
}

}  // namespace

void AddCustomExpressions(const GltfWriterContext& context, GltfJson& vrm,
                          const std::vector<GltfNewTarget>& targets) {
  GltfJson& expressions = vrm["expressions"];
  if (expressions.is_null()) expressions = GltfJson::object();
  for (const GltfNewTarget& target : targets)
    RequireFreeExpressionName(context, expressions, target);
  for (const GltfNewTarget& target : targets) {
    GltfJson& binds = expressions["custom"][target.name]["morphTargetBinds"];
    for (int node : target.nodes)
      binds.push_back({{"node", node}, {"index", target.index}, {"weight", 1.0}});
  }
}

}  // namespace refhost
