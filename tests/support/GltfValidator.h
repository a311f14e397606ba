#pragma once

#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <utility>

#include "tests/support/NodeScript.h"

// The exit status and the printed report of the Khronos glTF validator on
// `file`. It runs on node from tools/gltf-validator.
inline std::pair<int, std::string> GltfValidatorReport(const std::filesystem::path& file) {
  const NodeScriptResult result = RunNodeScript("gltf-validator/validate.js", file);
  return {result.status, result.output};
}

// The Khronos glTF validator's report on `file`, empty when it finds no
// error.
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

inline constexpr bool kGltfValidatorReachable = kNodeReachable;
