#include "merge/MorphNaming.h"

namespace {
constexpr char kTargetPrefix[] = "elem:";
constexpr std::size_t kTargetPrefixLength = sizeof(kTargetPrefix) - 1;
constexpr char kNameSeparator = ':';
constexpr char kCoreSeparator = '-';
// A "-" this close to the start belongs to the core name itself.
constexpr std::size_t kFirstCuttingDash = 2;
}  // namespace

std::string GetCoreName(const std::string& name) {
  std::string core = name;
  const std::size_t colon = core.find(kNameSeparator);
  if (colon != std::string::npos) core.erase(0, colon + 1);
  const std::size_t dash = core.find(kCoreSeparator);
  if (dash != std::string::npos && dash >= kFirstCuttingDash) core.erase(dash);
  return core;
}

bool IsMorphTargetName(const std::string& coreName, const std::string& name) {
  if (name.compare(0, kTargetPrefixLength, kTargetPrefix) != 0) return false;
  const std::size_t dash = name.find(kCoreSeparator);
  if (dash == std::string::npos) return false;
  return name.compare(dash + 1, std::string::npos, coreName) == 0;
}

std::string ComposeTargetName(const std::string& morphName, const std::string& coreName) {
  return kTargetPrefix + morphName + kCoreSeparator + coreName;
}
