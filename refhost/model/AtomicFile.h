#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace refhost {

// Writes a file so that it holds either its old content or the complete new
// one, never a part: the bytes go to a temporary file beside the target, which
// replaces the target only after a checked flush and close. A target that is
// a device or a pipe (/dev/stdout, /dev/full) cannot be replaced and is
// written in place. Every failure throws ModelFileError naming the target.
class AtomicFile {
 public:
  explicit AtomicFile(const std::filesystem::path& target);
  // Discards the temporary file unless Commit succeeded.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void Write(std::string_view bytes);
  // Puts the complete file in place.
  void Commit();

 private:
  [[noreturn]] void Fail(const std::string& what, const std::string& reason);
  void Discard();

  std::string targetName_;
  std::filesystem::path destination_;
  std::filesystem::path temporary_;  // empty when writing in place
  std::FILE* file_ = nullptr;
};

}  // namespace refhost
