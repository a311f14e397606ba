#include "refhost/model/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <system_error>

#include "refhost/model/ModelFileError.h"
#include "refhost/model/TextCheck.h"

namespace refhost {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

constexpr std::size_t kChunk = 1 << 20;

// A size to reserve up front; pipes and devices report none and grow instead.
std::size_t ExpectedSize(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return 0;
  auto size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::size_t>(size);
}

}  // namespace

std::string ReadText(std::FILE* file, const std::string& name, std::size_t expectedSize) {
  std::string bytes;
  bytes.reserve(expectedSize + kChunk);
  std::size_t filled = 0;
  for (;;) {
    bytes.resize(filled + kChunk);
    const std::size_t got = std::fread(&bytes[filled], 1, kChunk, file);
    CheckText(std::string_view(bytes).substr(0, filled + got), filled, name);
    filled += got;
    if (got < kChunk) break;
  }
  bytes.resize(filled);
  if (std::ferror(file))
    throw ModelFileError(name, std::string("cannot read: ") + std::strerror(errno));
  return bytes;
}

std::string ReadWholeFile(const std::filesystem::path& path) {
  const std::string name = path.string();
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
  if (!file) throw ModelFileError(name, std::string("cannot open: ") + std::strerror(errno));
  return ReadText(file.get(), name, ExpectedSize(path));
}

}  // namespace refhost
