#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/CliRunner.h"

// The Khronos glTF validator's report on `file`, empty when it finds no
// error. It runs on node from tools/gltf-validator (set up by
// scripts/setup.sh), which the Windows build under wine cannot start.
inline std::string GltfValidatorErrors(const std::filesystem::path& file) {
  TempDir capture;
  const std::string script =
      std::string(BLENDFORGE_SOURCE_DIR) + "/tools/gltf-validator/validate.js";
  const std::string command = "node " + ShellWord(script) + " " + ShellWord(file.string()) + " >" +
                              ShellWord((capture / "report").string()) + " 2>&1";
  const int status = ExitStatusOf(std::system(command.c_str()));
  return status == 0
             ? ""
             : TempDir::Read(capture / "report") + " (status " + std::to_string(status) + ")";
}

#ifdef _WIN32
inline constexpr bool kGltfValidatorReachable = false;
#else
inline constexpr bool kGltfValidatorReachable = true;
#endif
