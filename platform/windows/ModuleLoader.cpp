#include "platform/ModuleLoader.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace platform {

ModuleHandle OpenModule(const char* path) { return LoadLibraryA(path); }

EntryPoint FindEntryPoint(ModuleHandle module, const char* name) {
  return reinterpret_cast<EntryPoint>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(ModuleHandle module) { FreeLibrary(static_cast<HMODULE>(module)); }

bool IsModuleLoaded(const char* path) {
  // Unlike the loader, this lookup takes backslashes only.
  std::string windowsPath(path);
  std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
  return GetModuleHandleA(windowsPath.c_str()) != nullptr;
}

}  // namespace platform
