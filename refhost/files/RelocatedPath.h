#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace refhost {

// Where a model file refers to another file (an mtllib name) by a path
// relative to its own folder, that path as a model file in `to` must give it
// to find the same file: relative where the two folders share a root,
// absolute otherwise, with forward slashes. A name with a root stays as it is.
std::string RelocatedPath(std::string_view name, const std::filesystem::path& from,
                          const std::filesystem::path& to);

// Whether two folders, relative ones taken from the working folder, are one.
bool SameFolder(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace refhost
