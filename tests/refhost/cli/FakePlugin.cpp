// A plug-in module that fails on purpose, built once per failure:
// FAKE_VERSION_ANSWER is its MQCheckVersion answer, FAKE_INIT_RESULT its
// MQInit result, and with FAKE_CRASH its command ends the process as a
// plug-in that fails hard would.
#include <cstdint>
#include <cstdlib>

#include "abi/Export.h"
#include "abi/HostApi.h"

BLENDFORGE_EXPORT std::uint32_t MQCheckVersion(std::uint32_t) { return FAKE_VERSION_ANSWER; }
BLENDFORGE_EXPORT int MQInit(const char*) { return FAKE_INIT_RESULT; }
BLENDFORGE_EXPORT void MQGetPlugInID(std::uint32_t* product, std::uint32_t* id) {
  *product = 1;
  *id = 2;
}
BLENDFORGE_EXPORT const char* MQGetPlugInName() { return "fake"; }
BLENDFORGE_EXPORT int MQGetPlugInType() { return 4; }
BLENDFORGE_EXPORT const char* MQEnumString(int index) { return index == 0 ? "fake" : nullptr; }
BLENDFORGE_EXPORT int MQModifyObject(int, MQDocument) {
#ifdef FAKE_CRASH
  std::abort();
#else
  return 0;
#endif
}
