#pragma once

#include <cstddef>
#include <string>

// Morph targets are tied to their base by name alone: "elem:", a morph name
// without "-", then "-" and the base's core name. The plug-in finds and names
// targets by it, and a host's model files map targets onto it.
namespace morph_naming {
inline constexpr char kTargetPrefix[] = "elem:";
inline constexpr std::size_t kTargetPrefixLength = sizeof(kTargetPrefix) - 1;
inline constexpr char kNameSeparator = ':';
inline constexpr char kCoreSeparator = '-';
// A "-" this close to the start belongs to the core name itself.
inline constexpr std::size_t kFirstCuttingDash = 2;
}  // namespace morph_naming

// The base's name after its first ":", cut before its first "-" when at
// least two bytes precede that "-".
inline std::string GetCoreName(const std::string& name) {
  using namespace morph_naming;
  std::string core = name;
  const std::size_t colon = core.find(kNameSeparator);
  if (colon != std::string::npos) core.erase(0, colon + 1);
  const std::size_t dash = core.find(kCoreSeparator);
  if (dash != std::string::npos && dash >= kFirstCuttingDash) core.erase(dash);
  return core;
}

// Whether `name` is a morph target name of the base whose core name is `coreName`.
inline bool IsMorphTargetName(const std::string& coreName, const std::string& name) {
  using namespace morph_naming;
  if (name.compare(0, kTargetPrefixLength, kTargetPrefix) != 0) return false;
  const std::size_t dash = name.find(kCoreSeparator);
  if (dash == std::string::npos) return false;
  return name.compare(dash + 1, std::string::npos, coreName) == 0;
}

// "elem:" + morphName + "-" + coreName.
inline std::string ComposeTargetName(const std::string& morphName, const std::string& coreName) {
  return morph_naming::kTargetPrefix + morphName + morph_naming::kCoreSeparator + coreName;
}
