#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/ModuleLoader.h"
#include "plugin/HostApi.h"

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

  using CheckVersion = std::uint32_t (*)(std::uint32_t);
  using Init = int (*)(const char*);
  using GetPlugInID = void (*)(std::uint32_t*, std::uint32_t*);
  using GetText = const char* (*)();
  using GetType = int (*)();
  using EnumText = const char* (*)(int);
  using FileOperation = int (*)(int, const char*, MQDocument);
  using MenuCommand = int (*)(int, MQDocument);
  using OnEvent = int (*)(MQDocument, int, void*);

  CheckVersion MQCheckVersion() const { return Get<CheckVersion>("MQCheckVersion"); }
  Init MQInit() const { return Get<Init>("MQInit"); }
  GetPlugInID MQGetPlugInID() const { return Get<GetPlugInID>("MQGetPlugInID"); }
  GetText MQGetPlugInName() const { return Get<GetText>("MQGetPlugInName"); }
  GetType MQGetPlugInType() const { return Get<GetType>("MQGetPlugInType"); }
  EnumText MQEnumString() const { return Get<EnumText>("MQEnumString"); }
  EnumText MQEnumFileType() const { return Get<EnumText>("MQEnumFileType"); }
  EnumText MQEnumFileExt() const { return Get<EnumText>("MQEnumFileExt"); }
  FileOperation MQImportFile() const { return Get<FileOperation>("MQImportFile"); }
  FileOperation MQExportFile() const { return Get<FileOperation>("MQExportFile"); }
  MenuCommand MQCreate() const { return Get<MenuCommand>("MQCreate"); }
  MenuCommand MQModifyObject() const { return Get<MenuCommand>("MQModifyObject"); }
  MenuCommand MQModifySelect() const { return Get<MenuCommand>("MQModifySelect"); }
  OnEvent MQOnEvent() const { return Get<OnEvent>("MQOnEvent"); }

 private:
  platform::ModuleHandle handle_;
};
