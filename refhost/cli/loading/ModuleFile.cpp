#include "refhost/cli/loading/ModuleFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "refhost/cli/CliError.h"
#include "refhost/cli/loading/ModuleImage.h"

namespace refhost::cli {

void CheckModuleFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error))
    throw CliError(path + ": not a regular file, so not a plug-in module");
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  if (error || !in) throw CliError(path + ": cannot open: " + std::strerror(errno));
  FileBytes file(in, size);
  if (std::optional<std::string> flaw = ModuleImageFlaw(file)) throw CliError(path + ": " + *flaw);
}

}  // namespace refhost::cli
