#include <windows.h>

// The plug-in starts no threads and needs no per-thread set-up, so it asks
// not to be called for thread starts and ends. Nothing else happens here:
// the plug-in object is created on first use, not at load.
BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(instance);
  return TRUE;
}
