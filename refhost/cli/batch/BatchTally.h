#pragma once

#include <cstddef>
#include <ostream>
#include <string>

#include "refhost/cli/batch/ChildProcess.h"

namespace refhost::cli {

// Counts how a batch's models ended, saying which were not merged as they
// end: a failure's one line on stderr, a model the command changed nothing
// in on stdout. Such a model counts as unchanged, not as merged or failed,
// as a single run tells it apart with its own exit status.
class BatchTally {
 public:
  void Count(const std::string& model, const ChildOutcome& outcome, std::ostream& out,
             std::ostream& err);

  std::size_t counted() const { return merged_ + unchanged_ + failed_; }
  // "197 merged, 3 failed", with "2 unchanged" between them where there are any.
  std::string Summary() const;
  // 1 when any model failed, else 0 when any was merged, else 2: the
  // command changed nothing at all.
  int ExitStatus() const;

 private:
  std::size_t merged_ = 0;
  std::size_t unchanged_ = 0;
  std::size_t failed_ = 0;
};

}  // namespace refhost::cli
