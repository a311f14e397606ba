#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "abi/ExportSignatures.h"
#include "platform/ModuleLoader.h"

// A module built beside the test programs, named as the loader wants it.
inline std::string ModuleFile(const std::string& stem) {
  return "./" + stem + BLENDFORGE_MODULE_SUFFIX;
}

// The plug-in module loaded the way a host loads it, with its fourteen
// entry points resolved by name.
class PluginModule {
 public:
  explicit PluginModule(const std::string& stem = "Blendforge")
      : handle_(platform::OpenModule(ModuleFile(stem).c_str())) {
    if (handle_ == nullptr) throw std::runtime_error("cannot load " + ModuleFile(stem));
  }
  ~PluginModule() { platform::CloseModule(handle_); }
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  template <class Signature>
  Signature Get(const char* name) const {
    auto entry = reinterpret_cast<Signature>(platform::FindEntryPoint(handle_, name));
    if (entry == nullptr) throw std::runtime_error(std::string("no export ") + name);
    return entry;
  }

#define BLENDFORGE_ENTRY_POINT(name) \
  exports::name name() const { return Get<exports::name>(#name); }
  BLENDFORGE_ENTRY_POINT(MQCheckVersion)
  BLENDFORGE_ENTRY_POINT(MQInit)
  BLENDFORGE_ENTRY_POINT(MQGetPlugInID)
  BLENDFORGE_ENTRY_POINT(MQGetPlugInName)
  BLENDFORGE_ENTRY_POINT(MQGetPlugInType)
  BLENDFORGE_ENTRY_POINT(MQEnumString)
  BLENDFORGE_ENTRY_POINT(MQEnumFileType)
  BLENDFORGE_ENTRY_POINT(MQEnumFileExt)
  BLENDFORGE_ENTRY_POINT(MQImportFile)
  BLENDFORGE_ENTRY_POINT(MQExportFile)
  BLENDFORGE_ENTRY_POINT(MQCreate)
  BLENDFORGE_ENTRY_POINT(MQModifyObject)
  BLENDFORGE_ENTRY_POINT(MQModifySelect)
  BLENDFORGE_ENTRY_POINT(MQOnEvent)
#undef BLENDFORGE_ENTRY_POINT

 private:
  platform::ModuleHandle handle_;
};
