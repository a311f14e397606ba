#pragma once

#include "abi/HostApi.h"
#include "abi/HostFunctionList.h"
#include "platform/ModuleLoader.h"

// The process-wide table of host entry points. Slots are null until MQInit
// binds them and are never cleared; every host call goes through them.
namespace host {

enum class HostFunction : int {
#define BLENDFORGE_HOST_ENUM(name) name,
  BLENDFORGE_HOST_FUNCTIONS(BLENDFORGE_HOST_ENUM, BLENDFORGE_HOST_ENUM)
#undef BLENDFORGE_HOST_ENUM
};

extern platform::EntryPoint g_slots[kHostFunctionCount];

// The host function names in binding order.
extern const char* const kHostFunctionNames[kHostFunctionCount];

// MQInit: binds every name from the module at `modulePath`, in list order.
// Stops at the first missing name, leaving the slots before it bound, its
// own null and the ones after it as they were. Returns 1 when all bound.
int BindHostFunctions(const char* modulePath);

// True when every function the plug-in calls has an entry point, so that a
// command started after a failed or partial binding can refuse instead of
// calling through a null slot.
bool CalledFunctionsBound();

template <class Signature>
Signature Entry(HostFunction function) {
  return reinterpret_cast<Signature>(g_slots[static_cast<int>(function)]);
}

}  // namespace host

// The typed entry point of a host function, e.g. HOST_FN(MQDoc_GetObject)(doc, 0).
#define HOST_FN(name) (::host::Entry<::hostapi::name>(::host::HostFunction::name))
