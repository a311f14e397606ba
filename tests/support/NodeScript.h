#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/CliRunner.h"

// What a script of the project's node tools printed, and its exit status.
struct NodeScriptResult {
  int status;
  std::string output;  // stdout and stderr together
};

// Runs tools/`script` (set up by scripts/setup.sh) on node with `file` as its
// argument. The Windows build under wine cannot start node.
inline NodeScriptResult RunNodeScript(const std::string& script,
                                      const std::filesystem::path& file) {
  TempDir capture;
  const std::string path = std::string(BLENDFORGE_SOURCE_DIR) + "/tools/" + script;
  const std::string command = "node " + ShellWord(path) + " " + ShellWord(file.string()) + " >" +
                              ShellWord((capture / "report").string()) + " 2>&1";
  const int status = ExitStatusOf(std::system(command.c_str()));
  return {status, TempDir::Read(capture / "report")};
}

#ifdef _WIN32
inline constexpr bool kNodeReachable = false;
#else
inline constexpr bool kNodeReachable = true;
#endif
