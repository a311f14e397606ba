#include "refhost/cli/batch/BatchTally.h"

#include "refhost/cli/ExitStatus.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

std::string WithoutTrailingLineEnds(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text;
}

// The worker's own error line where it wrote one; otherwise how it ended,
// such as a crash of the plug-in, which takes no other model with it.
std::string FailureLine(const std::string& model, const ChildOutcome& outcome) {
  std::string said = WithoutTrailingLineEnds(outcome.err);
  if (outcome.crash.empty() && outcome.exitStatus == kExitFailed && !said.empty()) return said;
  const std::string how = outcome.crash.empty()
                              ? "with exit status " + std::to_string(outcome.exitStatus)
                              : "by " + outcome.crash;
  return "refhost: " + Escaped(model) + ": the merge's process ended " + how;
}

}  // namespace

void BatchTally::Count(const std::string& model, const ChildOutcome& outcome, std::ostream& out,
                       std::ostream& err) {
  if (outcome.crash.empty() && outcome.exitStatus == kExitDone) {
    ++merged_;
  } else if (outcome.crash.empty() && outcome.exitStatus == kExitUnchanged) {
    ++unchanged_;
    out << Escaped(model) << ": " << WithoutTrailingLineEnds(outcome.out) << "\n";
  } else {
    ++failed_;
    err << FailureLine(model, outcome) << "\n";
  }
}

std::string BatchTally::Summary() const {
  std::string summary = std::to_string(merged_) + " merged, ";
  if (unchanged_ > 0) summary += std::to_string(unchanged_) + " unchanged, ";
  return summary + std::to_string(failed_) + " failed";
}

int BatchTally::ExitStatus() const {
  if (failed_ > 0) return kExitFailed;
  return merged_ > 0 ? kExitDone : kExitUnchanged;
}

}  // namespace refhost::cli
