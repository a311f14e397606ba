#pragma once

#include <cstdlib>
#include <string>

#include "tests/support/TempDir.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

// Runs the built `refhost` command line the way a user's shell does, with
// stdin from a file (no terminal), and captures what it printed.
struct CliResult {
  int status;
  std::string out;
  std::string err;
};

#ifdef _WIN32
// cmd.exe: double quotes around a word that holds no double quote itself.
inline std::string ShellWord(const std::string& text) { return "\"" + text + "\""; }
inline const char* const kRefhostCommand = "refhost.exe";
inline int ExitStatusOf(int systemResult) { return systemResult; }
#else
inline std::string ShellWord(const std::string& text) {
  std::string word = "'";
  for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}
inline const char* const kRefhostCommand = "./refhost";
inline int ExitStatusOf(int systemResult) {
  return WIFEXITED(systemResult) ? WEXITSTATUS(systemResult) : -1;
}
#endif

// What the program printed, with Windows text-mode line ends made plain.
inline std::string Printed(const std::filesystem::path& file) {
  std::string text = TempDir::Read(file);
  std::string plain;
  for (std::size_t at = 0; at < text.size(); ++at)
    if (!(text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')) plain += text[at];
  return plain;
}

// What the shell gives the program besides its arguments.
struct CliShell {
  std::string input;   // what stdin holds
  std::string output;  // where stdout goes; empty: captured
  std::string prefix;  // shell commands to run first, such as a ulimit
};

inline CliResult RunRefhost(const std::string& arguments, const CliShell& shell = {}) {
  TempDir capture;
  const std::string in = (capture / "in").string();
  const std::string out = shell.output.empty() ? (capture / "out").string() : shell.output;
  const std::string err = (capture / "err").string();
  TempDir::Write(in, shell.input);
  const std::string command = shell.prefix + kRefhostCommand + " " + arguments + " <" +
                              ShellWord(in) + " >" + ShellWord(out) + " 2>" + ShellWord(err);
  const int status = ExitStatusOf(std::system(command.c_str()));
  return {status, shell.output.empty() ? Printed(out) : "", Printed(err)};
}

inline std::string SamplePath(const std::string& name) {
  return std::string(BLENDFORGE_SOURCE_DIR) + "/samples/" + name;
}

// The small patch whose every object the command-line tests know: a base
// `body` (36 vertices) and its targets smile, blink and frown, a wink with
// too few vertices, and an unrelated hat (8 vertices).
inline std::string PatchModelPath() {
  return std::string(BLENDFORGE_SOURCE_DIR) + "/tests/support/models/patch.obj";
}
