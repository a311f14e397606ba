#include <string>

#include "merge/Blendforge.h"
#include "merge/TextConversion.h"
#include "merge/WeightedBlend.h"
#include "plugin/HostFunctionTable.h"

namespace {

// Set after insertion, so that whatever the host gave the new object on
// insertion is overwritten with the base's own values.
void CopyBaseProperties(const cmq::CMQObject& base, const cmq::CMQObject& newObject) {
  const int copiedValue = HOST_FN(MQObj_GetIntValue)(base.object(), kObjectValueCopied);
  HOST_FN(MQObj_SetIntValue)(newObject.object(), kObjectValueCopied, copiedValue);
  const std::uint32_t visible = HOST_FN(MQObj_GetVisible)(base.object());
  HOST_FN(MQObj_SetVisible)(newObject.object(), visible);
}

}  // namespace

int Blendforge::MergeMorphTargets() {
  base = document.GetCurrentObject();
  if (!base.IsValid()) return 0;
  if (!RunMergeDialog()) return 0;

  const cmq::CMQObject newObject = base.Clone();
  const std::string name = ToMultiByteString(newName);
  HOST_FN(MQObj_SetName)(newObject.object(), name.c_str());
  // The second call reads what the first wrote, so both offsets add up.
  AddWeightedDelta(weight1, newObject, base, target1);
  AddWeightedDelta(weight2, newObject, base, target2);
  HOST_FN(MQDoc_InsertObject)(document.handle(), newObject.object(), base.object());
  CopyBaseProperties(base, newObject);
  return 1;
}
