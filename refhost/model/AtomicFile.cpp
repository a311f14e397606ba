#include "refhost/model/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <random>
#include <system_error>

#include "refhost/model/ModelFileError.h"

namespace refhost {
namespace {

namespace fs = std::filesystem;

bool IsSpecialFile(const fs::path& path) {
  std::error_code error;
  fs::file_status status = fs::status(path, error);
  return !error && fs::exists(status) && !fs::is_regular_file(status);
}

// Replacing a symbolic link's target keeps the link.
fs::path ResolvedDestination(const fs::path& target) {
  std::error_code error;
  if (!fs::is_symlink(target, error)) return target;
  fs::path resolved = fs::weakly_canonical(target, error);
  return error ? target : resolved;
}

fs::path TemporaryBeside(const fs::path& destination) {
  std::random_device random;
  std::uniform_int_distribution<unsigned long long> digits;
  std::string name =
      "." + destination.filename().string() + ".tmp" + std::to_string(digits(random));
  return destination.parent_path() / name;
}

}  // namespace

AtomicFile::AtomicFile(const fs::path& target)
    : targetName_(target.string()), destination_(ResolvedDestination(target)) {
  if (!IsSpecialFile(destination_)) temporary_ = TemporaryBeside(destination_);
  const fs::path& opened = temporary_.empty() ? destination_ : temporary_;
  file_ = std::fopen(opened.string().c_str(), "wb");
  if (file_ == nullptr) Fail("cannot write", std::strerror(errno));
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    Fail("cannot write", std::strerror(errno));
}

void AtomicFile::Commit() {
  if (std::fflush(file_) != 0) Fail("cannot write", std::strerror(errno));
  std::FILE* file = file_;
  file_ = nullptr;
  if (std::fclose(file) != 0) Fail("cannot write", std::strerror(errno));
  if (temporary_.empty()) return;
  std::error_code error;
  fs::rename(temporary_, destination_, error);
  if (error) Fail("cannot replace", error.message());
  temporary_.clear();
}

void AtomicFile::Fail(const std::string& what, const std::string& reason) {
  Discard();
  throw ModelFileError(targetName_, what + ": " + reason);
}

void AtomicFile::Discard() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  if (temporary_.empty()) return;
  std::error_code ignored;
  fs::remove(temporary_, ignored);
  temporary_.clear();
}

}  // namespace refhost
