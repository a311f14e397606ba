#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "refhost/cli/RunCommand.h"
#include "refhost/cli/ShowCommand.h"
#include "refhost/cli/batch/BatchOptions.h"

namespace refhost::cli {

// The subcommands and the options they read, filled in by parsing.
struct Commands {
  CLI::App* info = nullptr;
  CLI::App* run = nullptr;
  CLI::App* show = nullptr;
  std::string infoPlugin;
  RunOptions runOptions;
  BatchOptions batchOptions;  // the models of `run`, and for a batch its own options
  ShowOptions showOptions;
};

// Defines `info`, `run` and `show` with their options and help on `app`.
void DefineCommands(CLI::App& app, Commands& commands);

}  // namespace refhost::cli
