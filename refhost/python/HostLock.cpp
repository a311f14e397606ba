#include "refhost/python/HostLock.h"

namespace refhost::python {

std::mutex& HostMutex() {
  static std::mutex mutex;
  return mutex;
}

}  // namespace refhost::python
