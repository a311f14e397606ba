#include "refhost/host/LibraryPath.h"

#include <dlfcn.h>

namespace refhost {
namespace {

// An address that lies inside this library whoever asks; the address of an
// exported function might instead be the caller's own stub.
const int kAnchor = 0;

}  // namespace

std::string LibraryPath() {
  Dl_info info{};
  if (dladdr(&kAnchor, &info) == 0 || info.dli_fname == nullptr) return {};
  return info.dli_fname;
}

}  // namespace refhost
