#pragma once

#include <chrono>
#include <ostream>
#include <string>

namespace refhost::cli {

// Times the phases of a run by the wall clock and prints one line per phase:
// its name, its seconds and what it handled, as in
// "read 0.412 s (149.1 MB, 3 objects)".
class PhaseTimes {
 public:
  // Prints nothing when `out` is null.
  explicit PhaseTimes(std::ostream* out);

  // Starts timing the next phase.
  void Start();
  // Prints the line of the phase begun by the last Start; `details`, unless
  // empty, follows in parentheses.
  void End(const std::string& name, const std::string& details = {}) const;

 private:
  std::ostream* out_;
  std::chrono::steady_clock::time_point start_;
};

// A file's size in millions of bytes, as "149.1 MB"; empty when it has none
// to tell (stdin, stdout, a pipe).
std::string FileMegabytes(const std::string& path);

}  // namespace refhost::cli
