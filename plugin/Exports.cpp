// The fourteen entry points through which the host drives the plug-in. All
// run on the host's calling thread, one at a time. The host's frames are C:
// no exception leaves an entry point; an allocation failure inside one
// answers that entry point's refusal (0 or null).
#include <cstdint>
#include <type_traits>

#include "abi/Export.h"
#include "abi/ExportSignatures.h"
#include "abi/Handshake.h"
#include "merge/PluginObject.h"
#include "plugin/EventDispatch.h"
#include "plugin/HostFunctionTable.h"
#include "plugin/TypeGuards.h"

namespace {

template <class Result, class Body>
Result Guarded(Result refusal, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return refusal;
  }
}

int RunMenuCommand(int index, MQDocument doc) {
  return Guarded(0, [&] { return GetPlugInObject().ModifyObject(index, doc); });
}

}  // namespace

// Host version handshake; needs nothing beforehand and calls no host function.
BLENDFORGE_EXPORT std::uint32_t MQCheckVersion(std::uint32_t hostVersion) {
  return hostVersion >= handshake::kHostVersion ? handshake::kPlugInInterfaceVersion : 0;
}

// `hostModulePath` names the host module; 1 when all host functions were bound.
BLENDFORGE_EXPORT int MQInit(const char* hostModulePath) {
  return Guarded(0, [&] { return host::BindHostFunctions(hostModulePath); });
}

// Writes both identifiers; the host passes two writable pointers.
BLENDFORGE_EXPORT void MQGetPlugInID(std::uint32_t* product, std::uint32_t* id) {
  Guarded(0, [&] {
    GetPlugInObject().GetPlugInID(product, id);
    return 0;
  });
}

// Constant ASCII text, valid for the module's lifetime.
BLENDFORGE_EXPORT const char* MQGetPlugInName() {
  return Guarded<const char*>(nullptr, [] { return GetPlugInObject().GetPlugInName(); });
}

BLENDFORGE_EXPORT int MQGetPlugInType() {
  return Guarded(0, [] { return GetPlugInObject().GetPlugInType(); });
}

// The menu string for `index`, or null.
BLENDFORGE_EXPORT const char* MQEnumString(int index) {
  return Guarded<const char*>(nullptr, [&] { return EnumStringByType(GetPlugInObject(), index); });
}

BLENDFORGE_EXPORT const char* MQEnumFileType(int index) {
  return Guarded<const char*>(nullptr,
                              [&] { return EnumFileTypeByType(GetPlugInObject(), index); });
}

BLENDFORGE_EXPORT const char* MQEnumFileExt(int index) {
  return Guarded<const char*>(nullptr, [&] { return EnumFileExtByType(GetPlugInObject(), index); });
}

// File operations exist only for file plug-ins; this one answers 0.
BLENDFORGE_EXPORT int MQImportFile(int index, const char* filename, MQDocument doc) {
  return Guarded(0, [&] { return FileOperationByType(GetPlugInObject(), index, filename, doc); });
}

BLENDFORGE_EXPORT int MQExportFile(int index, const char* filename, MQDocument doc) {
  return Guarded(0, [&] { return FileOperationByType(GetPlugInObject(), index, filename, doc); });
}

// The three menu entries run the same command; 1 when the document changed.
BLENDFORGE_EXPORT int MQCreate(int index, MQDocument doc) { return RunMenuCommand(index, doc); }

BLENDFORGE_EXPORT int MQModifyObject(int index, MQDocument doc) {
  return RunMenuCommand(index, doc);
}

BLENDFORGE_EXPORT int MQModifySelect(int index, MQDocument doc) {
  return RunMenuCommand(index, doc);
}

// Host events; `option` is a named-value block (or, for events 100 and 102,
// a pointer to one 32-bit flag).
BLENDFORGE_EXPORT int MQOnEvent(MQDocument doc, int code, void* option) {
  return Guarded(0, [&] { return DispatchEvent(GetPlugInObject(), doc, code, option); });
}

// Hosts and the reference host's tools call these through the signatures in
// ExportSignatures.h; this keeps the definitions and those signatures from drifting apart.
#define BLENDFORGE_CHECK_SIGNATURE(name) \
  static_assert(std::is_same_v<decltype(&(name)), exports::name>, #name " signature");
BLENDFORGE_PLUGIN_EXPORTS(BLENDFORGE_CHECK_SIGNATURE)
#undef BLENDFORGE_CHECK_SIGNATURE
