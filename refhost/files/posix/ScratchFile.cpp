#include "refhost/files/ScratchFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <utility>

namespace refhost {
namespace {

namespace fs = std::filesystem;

// Less the umask, as for any new file.
constexpr mode_t kNewFileMode = 0666;

std::string FolderOf(const fs::path& destination) {
  const fs::path folder = destination.parent_path();
  return folder.empty() ? "." : folder.string();
}

// As editors do: the replaced file's mode, and its owner where the process
// may give the file away (only the superuser may); a new file keeps what the
// umask gave it.
void TakeOverModeAndOwner(int descriptor, const fs::path& destination) {
  struct stat old {};
  if (stat(destination.c_str(), &old) != 0) return;
  [[maybe_unused]] const int owned = fchown(descriptor, old.st_uid, old.st_gid);
  fchmod(descriptor, old.st_mode & 07777);
}

}  // namespace

std::FILE* ScratchFile::Open(const fs::path& destination, std::error_code& error) {
  destination_ = destination;
  int descriptor =
      open(FolderOf(destination).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
  // A file system without unnamed files gets a named one.
  const auto createNamed = [&](const fs::path& name) {
    descriptor = open(name.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, kNewFileMode);
    return descriptor >= 0;
  };
  if (descriptor < 0 && !TakeName(createNamed, error)) return nullptr;
  file_ = fdopen(descriptor, "wb");
  if (file_ != nullptr) return file_;
  Failed(error);
  close(descriptor);
  Drop();
  return nullptr;
}

bool ScratchFile::Publish(std::error_code& error) {
  const int descriptor = fileno(file_);
  TakeOverModeAndOwner(descriptor, destination_);
  if (std::fflush(file_) != 0 || fsync(descriptor) != 0) return Failed(error);
  // An unnamed file gets its name through its descriptor's entry in /proc.
  const std::string self = "/proc/self/fd/" + std::to_string(descriptor);
  const auto link = [&](const fs::path& name) {
    return linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
  };
  if (name_.empty() && !TakeName(link, error)) return false;
  if (std::fclose(std::exchange(file_, nullptr)) != 0) return Failed(error);
  if (std::rename(name_.c_str(), destination_.c_str()) != 0) return Failed(error);
  name_.clear();
  removal_.reset();
  return true;
}

}  // namespace refhost
