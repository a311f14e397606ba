#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "abi/ExportSignatures.h"
#include "platform/ModuleLoader.h"

namespace refhost::cli {

struct PlugInIdentity {
  std::uint32_t product = 0;
  std::uint32_t id = 0;
  std::string name;
  int type = 0;
  std::uint32_t versionAnswer = 0;
  std::vector<std::string> menuStrings;  // MQEnumString from index 0 until null
};

// A plug-in module loaded and bound the way a host does it: entry points
// resolved by name, MQCheckVersion with handshake::kHostVersion, then MQInit with the
// path of the reference host library. The module file is checked first, as
// the loader trusts it. Each failure throws CliError naming the module and
// what went wrong.
class HostedPlugin {
 public:
  explicit HostedPlugin(const std::string& path);
  ~HostedPlugin();
  HostedPlugin(const HostedPlugin&) = delete;
  HostedPlugin& operator=(const HostedPlugin&) = delete;

  const PlugInIdentity& identity() const { return identity_; }
  // MQModifyObject: the plug-in's answer, 1 when it changed the document.
  int ModifyObject(int index, MQDocument document) const;

 private:
  void Load();
  void ResolveEntryPoints();
  void Handshake();
  void ReadIdentity();

  std::string path_;
  platform::ModuleHandle module_ = nullptr;
  exports::MQCheckVersion checkVersion_ = nullptr;
  exports::MQInit init_ = nullptr;
  exports::MQGetPlugInID getPlugInID_ = nullptr;
  exports::MQGetPlugInName getPlugInName_ = nullptr;
  exports::MQGetPlugInType getPlugInType_ = nullptr;
  exports::MQEnumString enumString_ = nullptr;
  exports::MQModifyObject modifyObject_ = nullptr;
  PlugInIdentity identity_;
};

}  // namespace refhost::cli
