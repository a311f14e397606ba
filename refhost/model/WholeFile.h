#pragma once

#include <filesystem>
#include <string>

namespace refhost {

// The file's bytes, read in one go; ModelFileError when it cannot be opened
// or read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace refhost
