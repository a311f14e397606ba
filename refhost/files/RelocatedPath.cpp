#include "refhost/files/RelocatedPath.h"

namespace refhost {
namespace {

namespace fs = std::filesystem;

// Without a trailing separator, so that "a/" and "a" compare equal. The
// folder of a bare file name is empty, which fs::absolute refuses.
fs::path Absolute(const fs::path& folder) {
  const fs::path normal = fs::absolute(folder.empty() ? fs::path(".") : folder).lexically_normal();
  return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

std::string RelocatedPath(std::string_view name, const fs::path& from, const fs::path& to) {
  const fs::path given(name);
  if (given.has_root_path()) return std::string(name);
  const fs::path target = (Absolute(from) / given).lexically_normal();
  const fs::path relative = target.lexically_relative(Absolute(to));
  return (relative.empty() ? target : relative).generic_string();
}

bool SameFolder(const fs::path& a, const fs::path& b) { return Absolute(a) == Absolute(b); }

}  // namespace refhost
