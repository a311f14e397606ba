#pragma once

#include <cstdint>

#include "abi/HostApi.h"

// The fourteen entry points the module exports, as one list for code that
// treats each of them alike (a host resolving them, a check of their
// signatures, a check of the module's export table).
#define BLENDFORGE_PLUGIN_EXPORTS(EXPORT) \
  EXPORT(MQCheckVersion)                  \
  EXPORT(MQInit)                          \
  EXPORT(MQGetPlugInID)                   \
  EXPORT(MQGetPlugInName)                 \
  EXPORT(MQGetPlugInType)                 \
  EXPORT(MQEnumString)                    \
  EXPORT(MQEnumFileType)                  \
  EXPORT(MQEnumFileExt)                   \
  EXPORT(MQImportFile)                    \
  EXPORT(MQExportFile)                    \
  EXPORT(MQCreate)                        \
  EXPORT(MQModifyObject)                  \
  EXPORT(MQModifySelect)                  \
  EXPORT(MQOnEvent)

// Signatures of the fourteen entry points the module exports, for code that
// resolves them by name as a host does.
namespace exports {
using MQCheckVersion = std::uint32_t (*)(std::uint32_t hostVersion);
using MQInit = int (*)(const char* hostModulePath);
using MQGetPlugInID = void (*)(std::uint32_t* product, std::uint32_t* id);
using MQGetPlugInName = const char* (*)();
using MQGetPlugInType = int (*)();
using MQEnumString = const char* (*)(int index);
using MQEnumFileType = const char* (*)(int index);
using MQEnumFileExt = const char* (*)(int index);
using MQImportFile = int (*)(int index, const char* filename, MQDocument doc);
using MQExportFile = int (*)(int index, const char* filename, MQDocument doc);
using MQCreate = int (*)(int index, MQDocument doc);
using MQModifyObject = int (*)(int index, MQDocument doc);
using MQModifySelect = int (*)(int index, MQDocument doc);
using MQOnEvent = int (*)(MQDocument doc, int code, void* option);

#define BLENDFORGE_COUNT_EXPORT(name) +1  // NOLINT(bugprone-macro-parentheses): a term
inline constexpr int kExportCount = 0 BLENDFORGE_PLUGIN_EXPORTS(BLENDFORGE_COUNT_EXPORT);
#undef BLENDFORGE_COUNT_EXPORT
static_assert(kExportCount == 14, "a plug-in module exports fourteen entry points");
}  // namespace exports
