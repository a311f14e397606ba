#pragma once

#include <chrono>
#include <cstdint>
#include <string>

#include "refhost/files/Progress.h"

namespace refhost::cli {

// Shows "reading face.obj: 42%" on stderr, but only when stderr is a terminal
// and the work has already taken more than a second: quick jobs and logs stay
// clean. The line is cleared when the reporter goes away.
class TerminalProgress : public Progress {
 public:
  explicit TerminalProgress(std::string label);
  ~TerminalProgress() override;
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  void Advance(std::uint64_t done, std::uint64_t total) override;
  // Takes the line away, so that other output starts on a clean line; the
  // next Advance draws it again.
  void Clear();

 private:
  std::string label_;
  bool enabled_;
  bool shown_ = false;
  std::chrono::steady_clock::time_point start_;
};

}  // namespace refhost::cli
