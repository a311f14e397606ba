#pragma once

#include <string>
#include <vector>

namespace refhost {

// While it lives, a signal that would end the process (SIGINT, SIGTERM and,
// where they exist, SIGHUP and SIGPIPE) first removes the file at `path`, so
// that an interrupted write leaves no scratch file behind; the signal then
// ends the process as it would have. One file at a time: the process writes
// one output.
class RemovedOnSignal {
 public:
  explicit RemovedOnSignal(const std::string& path);
  // Puts back the handlers it replaced.
  ~RemovedOnSignal();
  RemovedOnSignal(const RemovedOnSignal&) = delete;
  RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

 private:
  std::vector<void (*)(int)> previous_;
};

// The signals above that this platform has.
std::vector<int> InterruptingSignals();

}  // namespace refhost
