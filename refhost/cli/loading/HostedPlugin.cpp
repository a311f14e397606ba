#include "refhost/cli/loading/HostedPlugin.h"

#include <filesystem>
#include <system_error>
#include <type_traits>

#include "abi/Handshake.h"
#include "refhost/cli/CliError.h"
#include "refhost/cli/HexNumber.h"
#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/loading/ModuleFile.h"
#include "refhost/cli/loading/ModuleImage.h"
#include "refhost/host/LibraryPath.h"

namespace refhost::cli {
namespace {

// A plug-in that never ends its menu list is cut off here.
constexpr int kMostMenuStrings = 1000;

}  // namespace

HostedPlugin::HostedPlugin(const std::string& path) : path_(path) {
  NamingMemoryShortage(path, "loading the plug-in", [&] { Load(); });
}

void HostedPlugin::Load() {
  std::error_code error;
  if (!std::filesystem::exists(path_, error)) throw CliError(path_ + ": no such plug-in file");
  CheckModuleFile(path_);
  // An absolute path keeps the loader from searching its library path instead.
  module_ = platform::OpenModule(std::filesystem::absolute(path_, error).string().c_str());
  if (module_ == nullptr) throw CliError(path_ + ": " + kNotAModule);
  try {
    ResolveEntryPoints();
    Handshake();
    ReadIdentity();
  } catch (...) {
    platform::CloseModule(module_);
    throw;
  }
}

HostedPlugin::~HostedPlugin() { platform::CloseModule(module_); }

int HostedPlugin::ModifyObject(int index, MQDocument document) const {
  return modifyObject_(index, document);
}

void HostedPlugin::ResolveEntryPoints() {
  std::string missing;
  auto resolve = [&](auto& slot, const char* name) {
    slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
        platform::FindEntryPoint(module_, name));
    if (slot == nullptr) missing += missing.empty() ? name : std::string(", ") + name;
  };
  resolve(checkVersion_, "MQCheckVersion");
  resolve(init_, "MQInit");
  resolve(getPlugInID_, "MQGetPlugInID");
  resolve(getPlugInName_, "MQGetPlugInName");
  resolve(getPlugInType_, "MQGetPlugInType");
  resolve(enumString_, "MQEnumString");
  resolve(modifyObject_, "MQModifyObject");
  if (!missing.empty()) throw CliError(path_ + ": not a plug-in: it lacks " + missing);
}

void HostedPlugin::Handshake() {
  identity_.versionAnswer = checkVersion_(handshake::kHostVersion);
  if (identity_.versionAnswer == 0)
    throw CliError(path_ + ": the plug-in refuses host version " +
                   HexNumber(handshake::kHostVersion) + " (MQCheckVersion answered 0)");
  std::string hostLibrary = LibraryPath();
  if (init_(hostLibrary.c_str()) == 0)
    throw CliError(path_ + ": MQInit failed to bind the host functions from " + hostLibrary);
}

void HostedPlugin::ReadIdentity() {
  getPlugInID_(&identity_.product, &identity_.id);
  const char* name = getPlugInName_();
  identity_.name = name != nullptr ? name : "";
  identity_.type = getPlugInType_();
  for (int index = 0; index < kMostMenuStrings; ++index) {
    const char* text = enumString_(index);
    if (text == nullptr) break;
    identity_.menuStrings.emplace_back(text);
  }
}

}  // namespace refhost::cli
