#include "plugin/HostFunctionTable.h"

namespace host {

platform::EntryPoint g_slots[kHostFunctionCount] = {};

const char* const kHostFunctionNames[kHostFunctionCount] = {
#define BLENDFORGE_HOST_NAME(name) #name,
    BLENDFORGE_HOST_FUNCTIONS(BLENDFORGE_HOST_NAME, BLENDFORGE_HOST_NAME)
#undef BLENDFORGE_HOST_NAME
};

int BindHostFunctions(const char* modulePath) {
  platform::ModuleHandle module = platform::OpenModule(modulePath);
  if (module == nullptr) return 0;
  // The module is released in every outcome: the host keeps it loaded for as
  // long as the plug-in is in use, so holding a reference here would only
  // raise its load count.
  for (int i = 0; i < kHostFunctionCount; ++i) {
    g_slots[i] = platform::FindEntryPoint(module, kHostFunctionNames[i]);
    if (g_slots[i] == nullptr) {
      platform::CloseModule(module);
      return 0;
    }
  }
  platform::CloseModule(module);
  return 1;
}

bool CalledFunctionsBound() {
#define BLENDFORGE_IS_BOUND(name) &&g_slots[static_cast<int>(HostFunction::name)] != nullptr
#define BLENDFORGE_NOT_CALLED(name)
  return true BLENDFORGE_HOST_FUNCTIONS(BLENDFORGE_IS_BOUND, BLENDFORGE_NOT_CALLED);
#undef BLENDFORGE_IS_BOUND
#undef BLENDFORGE_NOT_CALLED
}

}  // namespace host
