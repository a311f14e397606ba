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
  BLENDFORGE_PLUGIN_EXPORTS(BLENDFORGE_ENTRY_POINT)
#undef BLENDFORGE_ENTRY_POINT

 private:
  platform::ModuleHandle handle_;
};
