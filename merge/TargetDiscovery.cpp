#include <string>
#include <vector>

#include "abi/MorphNaming.h"
#include "merge/Blendforge.h"
#include "plugin/HostFunctionTable.h"

namespace {

// Only objects that the document still holds are asked for their name and
// vertex count; the base is excluded by reference, whatever its name.
bool IsTargetOf(const cmq::CMQObject& base, const std::string& coreName, int baseVertexCount,
                const cmq::CMQObject& candidate) {
  if (!candidate.IsValid()) return false;
  if (candidate.object() == base.object()) return false;
  if (!IsMorphTargetName(coreName, candidate.GetName())) return false;
  return HOST_FN(MQObj_GetVertexCount)(candidate.object()) == baseVertexCount;
}

}  // namespace

std::vector<cmq::CMQObject> Blendforge::ListMorphTargets() const {
  const std::string coreName = GetCoreName(base.GetName());
  const int baseVertexCount = HOST_FN(MQObj_GetVertexCount)(base.object());
  const int objectCount = HOST_FN(MQDoc_GetObjectCount)(document.handle());
  std::vector<cmq::CMQObject> targets;
  for (int index = 0; index < objectCount; ++index) {
    cmq::CMQObject candidate = document.GetObjectAt(index);
    if (IsTargetOf(base, coreName, baseVertexCount, candidate)) targets.push_back(candidate);
  }
  return targets;
}

bool Blendforge::IsObjectNameUsed(const std::string& name) const {
  const int objectCount = HOST_FN(MQDoc_GetObjectCount)(document.handle());
  for (int index = 0; index < objectCount; ++index) {
    const cmq::CMQObject object = document.GetObjectAt(index);
    if (object.IsValid() && object.GetName() == name) return true;
  }
  return false;
}

std::string Blendforge::MakeUniqueTargetName(const std::string& morphName) const {
  const std::string coreName = GetCoreName(base.GetName());
  std::string candidate = ComposeTargetName(morphName, coreName);
  // The counter goes before the "-" so that a numbered name is still a target
  // name of the same base; std::to_string ignores the locale.
  for (int counter = 1; IsObjectNameUsed(candidate); ++counter) {
    candidate = ComposeTargetName(morphName + std::to_string(counter), coreName);
  }
  return candidate;
}
