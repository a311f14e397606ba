#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "refhost/files/ScratchFile.h"

namespace refhost {

// Writes a file so that it holds either its old content or the complete new
// one, never a part: the bytes go to a scratch file beside the target, which
// is flushed to disk, given the replaced file's mode and renamed into place
// only when complete (see ScratchFile). A target that is a device or a pipe
// (/dev/stdout, /dev/full) cannot be replaced and is written in place. Every
// failure throws ModelFileError naming the target.
class AtomicFile {
 public:
  explicit AtomicFile(const std::filesystem::path& target);
  // Discards the scratch file unless Commit succeeded.
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  void Write(std::string_view bytes);
  // Puts the complete file in place.
  void Commit();

 private:
  [[noreturn]] void Fail(const std::string& what, const std::error_code& reason);
  void Discard();

  std::string targetName_;
  std::unique_ptr<ScratchFile> scratch_;  // null when writing in place
  std::FILE* file_ = nullptr;             // owned by scratch_ when there is one
};

}  // namespace refhost
