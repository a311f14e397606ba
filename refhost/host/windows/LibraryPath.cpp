#include "refhost/host/LibraryPath.h"

#include <windows.h>

namespace refhost {
namespace {

// An address that lies inside this library whoever asks; the address of an
// exported function might instead be the caller's own import thunk.
const int kAnchor = 0;

}  // namespace

std::string LibraryPath() {
  HMODULE module = nullptr;
  const DWORD flags =
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (!GetModuleHandleExA(flags, reinterpret_cast<LPCSTR>(&kAnchor), &module)) return {};
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(path, length);
}

}  // namespace refhost
