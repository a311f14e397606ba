#include "platform/ModuleLoader.h"

#include <windows.h>

#include <string>

namespace platform {

ModuleHandle OpenModule(const char* path) { return LoadLibraryA(path); }

EntryPoint FindEntryPoint(ModuleHandle module, const char* name) {
  return reinterpret_cast<EntryPoint>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(ModuleHandle module) { FreeLibrary(static_cast<HMODULE>(module)); }

bool IsModuleLoaded(const char* path) {
  // The lookup matches a loaded module by its file name, or by a full path
  // with backslashes only; the file name serves every path form.
  const std::string fullPath(path);
  const std::size_t separator = fullPath.find_last_of("/\\");
  const std::string fileName =
      separator == std::string::npos ? fullPath : fullPath.substr(separator + 1);
  return GetModuleHandleA(fileName.c_str()) != nullptr;
}

}  // namespace platform
