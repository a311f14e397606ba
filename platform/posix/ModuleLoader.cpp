#include "platform/ModuleLoader.h"

#include <dlfcn.h>

namespace platform {

ModuleHandle OpenModule(const char* path) { return dlopen(path, RTLD_NOW | RTLD_LOCAL); }

EntryPoint FindEntryPoint(ModuleHandle module, const char* name) {
  return reinterpret_cast<EntryPoint>(dlsym(module, name));
}

void CloseModule(ModuleHandle module) { dlclose(module); }

bool IsModuleLoaded(const char* path) {
  ModuleHandle module = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
  if (module == nullptr) return false;
  dlclose(module);
  return true;
}

}  // namespace platform
