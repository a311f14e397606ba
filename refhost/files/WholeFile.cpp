#include "refhost/files/WholeFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

#include "refhost/files/LargeBuffer.h"
#include "refhost/text/ModelFileError.h"
#include "refhost/text/TextCheck.h"

namespace refhost {
namespace {

constexpr std::size_t kChunk = 1 << 20;

using BlockCheck = void (*)(std::string_view bytes, std::size_t from, const std::string& name);

std::string ReadToEnd(std::FILE* file, const std::string& name, std::size_t expectedSize,
                      BlockCheck check) {
  std::string bytes;
  bytes.reserve(expectedSize + kChunk);
  AdviseLargeBuffer(bytes.data(), bytes.capacity());
  std::size_t filled = 0;
  for (;;) {
    bytes.resize(filled + kChunk);
    const std::size_t got = std::fread(&bytes[filled], 1, kChunk, file);
    if (check != nullptr) check(std::string_view(bytes).substr(0, filled + got), filled, name);
    filled += got;
    if (got < kChunk) break;
  }
  bytes.resize(filled);
  if (std::ferror(file))
    throw ModelFileError(name, std::string("cannot read: ") + std::strerror(errno));
  return bytes;
}

}  // namespace

OpenedFile OpenForReading(const std::filesystem::path& path) {
  OpenedFile file(std::fopen(path.string().c_str(), "rb"));
  if (!file)
    throw ModelFileError(path.string(), std::string("cannot open: ") + std::strerror(errno));
  return file;
}

std::size_t ExpectedSize(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return 0;
  auto size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::size_t>(size);
}

std::string ReadBytes(std::FILE* file, const std::string& name, std::size_t expectedSize) {
  return ReadToEnd(file, name, expectedSize, nullptr);
}

std::string ReadText(std::FILE* file, const std::string& name, std::size_t expectedSize) {
  return ReadToEnd(file, name, expectedSize, CheckText);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
  return ReadBytes(OpenForReading(path).get(), path.string(), ExpectedSize(path));
}

std::string ReadHead(std::FILE* file, std::size_t size, const std::string& name) {
  std::string head(size, '\0');
  head.resize(std::fread(head.data(), 1, size, file));
  if (std::ferror(file))
    throw ModelFileError(name, std::string("cannot read: ") + std::strerror(errno));
  return head;
}

void ReadExactly(std::FILE* file, void* out, std::size_t size, const std::string& name) {
  if (std::fread(out, 1, size, file) == size) return;
  if (std::ferror(file))
    throw ModelFileError(name, std::string("cannot read: ") + std::strerror(errno));
  throw ModelFileError(name, "ends early; was it cut off while being read?");
}

std::string ReadFileHead(const std::filesystem::path& path, std::size_t size) {
  return ReadHead(OpenForReading(path).get(), size, path.string());
}

}  // namespace refhost
