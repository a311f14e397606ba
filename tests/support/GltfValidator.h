#pragma once

#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "tests/support/CliRunner.h"

// The exit status and the printed report of the Khronos glTF validator on
// `file`.
inline std::pair<int, std::string> GltfValidatorReport(const std::filesystem::path& file) {
  TempDir capture;
  const std::string script =
      std::string(BLENDFORGE_SOURCE_DIR) + "/tools/gltf-validator/validate.js";
  const std::string command = "node " + ShellWord(script) + " " + ShellWord(file.string()) + " >" +
                              ShellWord((capture / "report").string()) + " 2>&1";
  const int status = ExitStatusOf(std::system(command.c_str()));
  return {status, TempDir::Read(capture / "report")};
}

// The Khronos glTF validator's report on `file`, empty when it finds no
// error. It runs on node from tools/gltf-validator (set up by
// scripts/setup.sh), which the Windows build under wine cannot start.
inline std::string GltfValidatorErrors(const std::filesystem::path& file) {
  const auto [status, report] = GltfValidatorReport(file);
  return status == 0 ? "" : report + " (status " + std::to_string(status) + ")";
}

// The codes of the validator's warnings on `file`, such as "DATA_URI_GLB".
inline std::set<std::string> GltfValidatorWarnings(const std::filesystem::path& file) {
  std::istringstream lines(GltfValidatorReport(file).second);
  std::set<std::string> codes;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string first, code;
    if (words >> first >> code && first == "warning") codes.insert(code);
  }
  return codes;
}

#ifdef _WIN32
inline constexpr bool kGltfValidatorReachable = false;
#else
inline constexpr bool kGltfValidatorReachable = true;
#endif
