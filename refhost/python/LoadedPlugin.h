#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "refhost/cli/MenuRun.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/python/OpenModel.h"

namespace refhost::python {

// The menu command ran and changed nothing (cancelled or refused); the
// message is the line `refhost run` reports for it.
class CommandUnchanged : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A plug-in module loaded and handshaken as `refhost` does it. Callers hold
// the host lock.
class LoadedPlugin {
 public:
  // CliError naming the module when it cannot be loaded.
  explicit LoadedPlugin(std::string path);

  const std::string& path() const { return path_; }
  const cli::PlugInIdentity& identity() const { return plugin_.identity(); }

  // Runs menu command `request.command` on the model as `refhost run` does;
  // returns the unique IDs of the objects it added. CommandUnchanged when it
  // changed nothing; CliError for a run refused, which spoils the model
  // once the command has run.
  std::vector<int> Run(OpenModel& model, cli::MenuRunRequest request) const;

 private:
  std::string path_;
  cli::HostedPlugin plugin_;
};

// The Blendforge module beside the host library, where the build and an
// installation put it.
std::string DefaultPluginPath();

}  // namespace refhost::python
