#include "refhost/files/ScratchFile.h"

#include <cerrno>
#include <random>
#include <utility>

namespace refhost {
namespace {

namespace fs = std::filesystem;

// Random names collide rarely; a folder full of them ends the search.
constexpr int kNameAttempts = 16;

}  // namespace

fs::path ScratchNameBeside(const fs::path& destination) {
  std::random_device random;
  char name[32];
  std::snprintf(name, sizeof name, ".refhost-%08x", static_cast<unsigned>(random()));
  return destination.parent_path() / name;
}

ScratchFile::~ScratchFile() { Drop(); }

bool ScratchFile::TakeName(const std::function<bool(const fs::path&)>& create,
                           std::error_code& error) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    name_ = ScratchNameBeside(destination_);
    removal_ = std::make_unique<RemovedOnSignal>(name_.string());
    if (create(name_)) return true;
    const int reason = errno;
    removal_.reset();
    name_.clear();
    errno = reason;
    if (reason != EEXIST) break;
  }
  return Failed(error);
}

bool ScratchFile::Failed(std::error_code& error) {
  error.assign(errno, std::generic_category());
  return false;
}

void ScratchFile::Drop() {
  if (file_ != nullptr) std::fclose(std::exchange(file_, nullptr));
  std::error_code ignored;
  if (!name_.empty()) fs::remove(name_, ignored);
  name_.clear();
  removal_.reset();
}

}  // namespace refhost
