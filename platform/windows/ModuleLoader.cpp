#include "platform/ModuleLoader.h"

#include <windows.h>

namespace platform {

ModuleHandle OpenModule(const char* path) { return LoadLibraryA(path); }

EntryPoint FindEntryPoint(ModuleHandle module, const char* name) {
  return reinterpret_cast<EntryPoint>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(ModuleHandle module) { FreeLibrary(static_cast<HMODULE>(module)); }

bool IsModuleLoaded(const char* path) { return GetModuleHandleA(path) != nullptr; }

}  // namespace platform
