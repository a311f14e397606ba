#include "refhost/cli/InfoCommand.h"

#include <iomanip>

#include "abi/Handshake.h"
#include "abi/PlugInType.h"
#include "refhost/cli/HexNumber.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

const char* TypeName(int type) {
  if (type == plugin_type::kObject) return "object plug-in";
  if (plugin_type::IsFilePlugIn(type)) return "file plug-in";
  if (plugin_type::IsMenuPlugIn(type)) return "menu plug-in";
  if (plugin_type::IsSingleStringPlugIn(type)) return "single-string plug-in";
  return "unknown kind";
}

std::ostream& Field(std::ostream& out, const std::string& label) {
  return out << std::left << std::setw(10) << label;
}

}  // namespace

void RunInfoCommand(const std::string& pluginPath, std::ostream& out) {
  HostedPlugin plugin(pluginPath);
  const PlugInIdentity& identity = plugin.identity();
  Field(out, "plug-in") << Escaped(pluginPath) << "\n";
  Field(out, "name") << Escaped(identity.name) << "\n";
  Field(out, "product") << HexNumber(identity.product) << "\n";
  Field(out, "ID") << HexNumber(identity.id) << "\n";
  Field(out, "type") << identity.type << " (" << TypeName(identity.type) << ")\n";
  Field(out, "version") << HexNumber(identity.versionAnswer) << " (its answer to host version "
                        << HexNumber(handshake::kHostVersion) << ")\n";
  for (std::size_t index = 0; index < identity.menuStrings.size(); ++index)
    Field(out, "menu " + std::to_string(index)) << Escaped(identity.menuStrings[index]) << "\n";
  if (identity.menuStrings.empty()) Field(out, "menu") << "(none)\n";
}

}  // namespace refhost::cli
