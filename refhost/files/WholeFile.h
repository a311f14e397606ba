#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace refhost {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using OpenedFile = std::unique_ptr<std::FILE, FileCloser>;

// `path` opened for reading; ModelFileError naming it when it cannot be.
OpenedFile OpenForReading(const std::filesystem::path& path);

// The size of the file at `path` to reserve or report progress against; 0 for
// pipes and devices, which report none.
std::size_t ExpectedSize(const std::filesystem::path& path);

// The bytes of `file` to its end, read in large blocks. `expectedSize` is
// room to reserve up front. ModelFileError naming `name` when it cannot be
// read.
std::string ReadBytes(std::FILE* file, const std::string& name, std::size_t expectedSize);

// The bytes of `file`, as ReadBytes reads them, each block checked as it comes
// (CheckText), so that an endless stream that is no model ends early;
// ModelFileError also when they are no text.
std::string ReadText(std::FILE* file, const std::string& name, std::size_t expectedSize);

// The bytes of the file at `path`, as ReadBytes reads them; ModelFileError
// also when it cannot be opened.
std::string ReadFileBytes(const std::filesystem::path& path);

// Up to `size` more bytes of `file`, fewer at its end; ModelFileError naming
// `name` when it cannot be read.
std::string ReadHead(std::FILE* file, std::size_t size, const std::string& name);

// Exactly `size` more bytes of `file` into `out`; ModelFileError naming
// `name` when it ends before them or cannot be read.
void ReadExactly(std::FILE* file, void* out, std::size_t size, const std::string& name);

// The first `size` bytes of the file at `path`, all of it when it is
// shorter; ModelFileError naming it when it cannot be opened or read.
std::string ReadFileHead(const std::filesystem::path& path, std::size_t size);

}  // namespace refhost
