#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace refhost::cli {

// How a child process ended and what it printed.
struct ChildOutcome {
  int exitStatus = 0;  // meaningful when `crash` is empty
  std::string crash;   // how it ended without exiting, such as "signal 11"
  std::string out;
  std::string err;
};

// A copy of this very program, running with other arguments, its stdin the
// null device (so that it never waits for a person) and its stdout and
// stderr captured in unnamed scratch files, so that a child's output never
// mixes with another's or outlives the run.
class ChildProcess {
 public:
  // Starts the child; CliError when the system refuses.
  explicit ChildProcess(const std::vector<std::string>& arguments);
  // Waits for a child still running, so that none is left behind.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Waits for the child to end and takes its outcome.
  ChildOutcome Finish();

  // What the platform keeps of a child.
  struct Running;

 private:
  friend std::size_t AwaitAny(const std::vector<std::unique_ptr<ChildProcess>>& children);
  std::unique_ptr<Running> running_;
};

// Blocks until one of `children` has ended, which the system allows at most
// kMostChildrenAwaited of at once; returns its index.
std::size_t AwaitAny(const std::vector<std::unique_ptr<ChildProcess>>& children);

inline constexpr std::size_t kMostChildrenAwaited = 64;

}  // namespace refhost::cli
