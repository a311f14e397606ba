#include "refhost/model/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "refhost/model/ModelFileError.h"

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

std::string ReadWholeFile(const std::filesystem::path& path) {
  const std::string name = path.string();
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(name.c_str(), "rb"));
  if (!file) throw ModelFileError(name, std::string("cannot open: ") + std::strerror(errno));

  std::string bytes;
  bytes.reserve(ExpectedSize(path) + kChunk);
  std::size_t filled = 0;
  for (;;) {
    bytes.resize(filled + kChunk);
    std::size_t got = std::fread(&bytes[filled], 1, kChunk, file.get());
    filled += got;
    if (got < kChunk) break;
  }
  bytes.resize(filled);
  if (std::ferror(file.get()))
    throw ModelFileError(name, std::string("cannot read: ") + std::strerror(errno));
  return bytes;
}

}  // namespace refhost
