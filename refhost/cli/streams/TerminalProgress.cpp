#include "refhost/cli/streams/TerminalProgress.h"

#include <cstdio>
#include <utility>

#include "refhost/cli/streams/Terminal.h"

namespace refhost::cli {

TerminalProgress::TerminalProgress(std::string label)
    : label_(std::move(label)),
      enabled_(IsTerminal(stderr)),
      start_(std::chrono::steady_clock::now()) {}

TerminalProgress::~TerminalProgress() { Clear(); }

void TerminalProgress::Clear() {
  if (!shown_) return;
  shown_ = false;
  // Blanks rather than an erase sequence: not every Windows console knows one.
  std::fprintf(stderr, "\r%*s\r", static_cast<int>(label_.size() + 6), "");
  std::fflush(stderr);
}

void TerminalProgress::Advance(std::uint64_t done, std::uint64_t total) {
  if (!enabled_ || total == 0) return;
  if (std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) return;
  shown_ = true;
  std::fprintf(stderr, "\r%s: %3d%%", label_.c_str(), static_cast<int>(done * 100 / total));
  std::fflush(stderr);
}

}  // namespace refhost::cli
