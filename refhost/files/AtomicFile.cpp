#include "refhost/files/AtomicFile.h"

#include <cerrno>
#include <utility>

#include "refhost/text/ModelFileError.h"

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

std::error_code LastError() { return {errno, std::generic_category()}; }

}  // namespace

AtomicFile::AtomicFile(const fs::path& target) : targetName_(target.string()) {
  const fs::path destination = ResolvedDestination(target);
  std::error_code error;
  if (IsSpecialFile(destination)) {
    file_ = std::fopen(destination.string().c_str(), "wb");
    if (file_ == nullptr) error = LastError();
  } else {
    scratch_ = std::make_unique<ScratchFile>();
    file_ = scratch_->Open(destination, error);
  }
  if (file_ == nullptr) Fail("cannot write", error);
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Write(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
    Fail("cannot write", LastError());
}

void AtomicFile::Commit() {
  if (!scratch_) {
    if (std::fclose(std::exchange(file_, nullptr)) != 0) Fail("cannot write", LastError());
    return;
  }
  file_ = nullptr;  // the scratch file closes it
  std::error_code error;
  if (!scratch_->Publish(error)) Fail("cannot write", error);
  scratch_.reset();
}

void AtomicFile::Fail(const std::string& what, const std::error_code& reason) {
  Discard();
  throw ModelFileError(targetName_, what + ": " + reason.message());
}

void AtomicFile::Discard() {
  if (!scratch_ && file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  scratch_.reset();
}

}  // namespace refhost
