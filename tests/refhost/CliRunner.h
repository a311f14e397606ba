#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

// Runs the built `refhost` command line the way a user's shell does, with
// no terminal on stdin, and captures what it printed.
struct CliResult {
  int status;
  std::string out;
  std::string err;
};

// One shell word, whatever the text holds.
inline std::string ShellWord(const std::string& text) {
  std::string word = "'";
  for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

inline CliResult RunRefhost(const std::string& arguments) {
  TempDir capture;
  const std::string out = (capture / "out").string();
  const std::string err = (capture / "err").string();
  const std::string command = "./refhost " + arguments + " </dev/null >" + ShellWord(out) +
                              " 2>" + ShellWord(err);
  int raw = std::system(command.c_str());
  int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return {status, TempDir::Read(out), TempDir::Read(err)};
}

inline std::string SamplePath(const std::string& name) {
  return std::string(BLENDFORGE_SOURCE_DIR) + "/samples/" + name;
}
