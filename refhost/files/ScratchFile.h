#pragma once

#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <system_error>

#include "refhost/files/RemovedOnSignal.h"

namespace refhost {

// A file's new content while it is written: a file in the destination's
// folder, so that a rename can put it in place. Where the system offers it
// (Linux: O_TMPFILE) the file has no name until it is complete, so that not
// even SIGKILL leaves it behind; elsewhere it has a short name (a long
// destination name must still fit), removed on an interrupting signal.
class ScratchFile {
 public:
  ScratchFile() = default;
  // Drops the file unless it was published.
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  // The stream to write to, or null with `error` set.
  std::FILE* Open(const std::filesystem::path& destination, std::error_code& error);
  // Flushes the data to disk, gives the file the mode (and, where the
  // process may, the owner) of the file it replaces, closes it and renames
  // it over the destination; false with `error` set.
  bool Publish(std::error_code& error);

 private:
  // Gives the file a free scratch name beside the destination through
  // `create`, which answers false with errno set; the name is removed on a
  // signal from before it exists. False with `error` set when none is free.
  bool TakeName(const std::function<bool(const std::filesystem::path&)>& create,
                std::error_code& error);
  // Sets `error` from errno; false.
  static bool Failed(std::error_code& error);
  void Drop();

  std::filesystem::path destination_;
  std::filesystem::path name_;  // empty while the file has none
  std::unique_ptr<RemovedOnSignal> removal_;
  std::FILE* file_ = nullptr;
};

// A short name for a scratch file beside `destination`: a dot, the
// program's mark and a random number.
std::filesystem::path ScratchNameBeside(const std::filesystem::path& destination);

}  // namespace refhost
