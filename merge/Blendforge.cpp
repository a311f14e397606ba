#include "merge/Blendforge.h"

#include "BlendforgeVersion.h"
#include "plugin/HostFunctionTable.h"

void Blendforge::GetPlugInID(std::uint32_t* product, std::uint32_t* id) {
  *product = kProductID;
  *id = kPlugInID;
}

const char* Blendforge::GetPlugInName() {
  return "Blendforge ver." BLENDFORGE_MAJOR_MINOR_VERSION " " BLENDFORGE_COPYRIGHT;
}

int Blendforge::GetPlugInType() { return kPlugInType; }

const char* Blendforge::EnumString(int index) { return index == 0 ? "Blendforge" : nullptr; }

int Blendforge::ModifyObject(int index, MQDocument documentHandle) {
  if (index != 0) return 0;
  document = cmq::CMQDocument(documentHandle);
  // A host that never bound us, or bound us only in part, must not make the
  // command call through a null slot.
  if (!host::CalledFunctionsBound()) return 0;
  return MergeMorphTargets();
}
