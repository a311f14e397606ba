#pragma once

#include <cstdint>

#include "abi/HostApi.h"

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
}  // namespace exports
