// The reference host's command line: loads a plug-in module the way the host
// modeller does, and runs its menu command on a model file.
#include <CLI/CLI.hpp>
#include <clocale>
#include <exception>
#include <iostream>

#include "BlendforgeVersion.h"
#include "refhost/cli/CommandLine.h"
#include "refhost/cli/ExitStatus.h"
#include "refhost/cli/InfoCommand.h"
#include "refhost/cli/batch/RunModels.h"
#include "refhost/cli/streams/StandardStreams.h"
#include "refhost/text/MessageText.h"

namespace {

using refhost::cli::Commands;

// One line, whatever the names and values quoted in it hold.
int Report(const std::string& message) {
  std::cerr << "refhost: " << refhost::Escaped(message) << "\n";
  return refhost::cli::kExitFailed;
}

// The exit status of the command as parsed; help and the version count as
// done.
int ParseAndRun(CLI::App& app, int argc, char** argv, const Commands& commands) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() != 0) return Report(error.what() + std::string(" (see --help)"));
    app.exit(error);
    return refhost::cli::kExitDone;
  }
  if (commands.show->parsed()) return refhost::cli::RunShowCommand(commands.showOptions, std::cout);
  if (commands.run->parsed())
    return refhost::cli::RunModels(commands.runOptions, commands.batchOptions, std::cout,
                                   std::cerr);
  refhost::cli::RunInfoCommand(commands.infoPlugin, std::cout);
  return refhost::cli::kExitDone;
}

}  // namespace

int main(int argc, char** argv) {
  // Object names and typed answers are in the user's encoding, as in the
  // host modeller.
  std::setlocale(LC_CTYPE, "");
  try {
    CLI::App app{"The reference host: loads a plug-in module the way the host modeller does."};
    app.set_version_flag("--version", "refhost " BLENDFORGE_VERSION);
    app.require_subcommand(1);
    Commands commands;
    refhost::cli::DefineCommands(app, commands);
    const int status = ParseAndRun(app, argc, argv, commands);
    // A report lost to a full disk or a closed pipe is no success.
    if (status != refhost::cli::kExitFailed) refhost::cli::FlushStandardOutput();
    return status;
  } catch (const std::bad_alloc&) {
    return Report("out of memory");
  } catch (const std::exception& error) {
    return Report(error.what());
  }
}
