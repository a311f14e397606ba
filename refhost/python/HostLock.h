#pragma once

#include <pybind11/pybind11.h>

#include <mutex>
#include <utility>

namespace refhost::python {

// The host and the plug-in keep process-wide state (one host, one plug-in
// object, the last dialog), so every call that touches either holds this
// one lock, whichever model or thread it serves.
std::mutex& HostMutex();

// Runs `work` under the host lock with the GIL released, so that other
// Python threads run while a model is read, merged, written or drawn. The
// GIL is given up before the lock is taken and taken back after the lock is
// left, so that no thread ever waits for one while holding the other.
// `work` must not touch Python objects.
template <class Work>
decltype(auto) Serialised(Work&& work) {
  pybind11::gil_scoped_release withoutGil;
  std::lock_guard<std::mutex> lock(HostMutex());
  return std::forward<Work>(work)();
}

}  // namespace refhost::python
