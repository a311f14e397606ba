#include "refhost/files/ScratchFile.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdint>
#include <utility>

namespace refhost {
namespace {

namespace fs = std::filesystem;

// The C runtime's errno for what CreateFileW reports, so that messages read
// as they do for files the runtime opens.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      return ENOENT;
    case ERROR_DISK_FULL:
      return ENOSPC;
    default:
      return EACCES;
  }
}

}  // namespace

std::FILE* ScratchFile::Open(const fs::path& destination, std::error_code& error) {
  destination_ = destination;
  HANDLE handle = INVALID_HANDLE_VALUE;
  // Shared for deletion, so that a signal handler can remove it while open.
  const auto create = [&](const fs::path& name) {
    handle = CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) errno = ErrnoOf(GetLastError());
    return handle != INVALID_HANDLE_VALUE;
  };
  if (!TakeName(create, error)) return nullptr;
  const int descriptor = _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_BINARY);
  if (descriptor < 0) CloseHandle(handle);
  file_ = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
  if (file_ != nullptr) return file_;
  Failed(error);
  if (descriptor >= 0) _close(descriptor);
  Drop();
  return nullptr;
}

bool ScratchFile::Publish(std::error_code& error) {
  if (std::fflush(file_) != 0 || _commit(_fileno(file_)) != 0) return Failed(error);
  if (std::fclose(std::exchange(file_, nullptr)) != 0) return Failed(error);
  std::error_code unknown;
  const fs::file_status old = fs::status(destination_, unknown);
  if (fs::exists(old)) fs::permissions(name_, old.permissions(), unknown);
  fs::rename(name_, destination_, error);
  if (error) return false;
  name_.clear();
  removal_.reset();
  return true;
}

}  // namespace refhost
