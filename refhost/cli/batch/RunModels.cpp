#include "refhost/cli/batch/RunModels.h"

#include <algorithm>
#include <memory>
#include <thread>

#include "refhost/cli/CliError.h"
#include "refhost/cli/batch/BatchPlan.h"
#include "refhost/cli/batch/BatchTally.h"
#include "refhost/cli/batch/ChildProcess.h"
#include "refhost/cli/loading/HostedPlugin.h"
#include "refhost/cli/streams/TerminalProgress.h"

namespace refhost::cli {
namespace {

std::size_t WorkerCount(const BatchOptions& batch, std::size_t jobs) {
  const std::size_t wanted =
      batch.jobs > 0 ? static_cast<std::size_t>(batch.jobs) : std::thread::hardware_concurrency();
  return std::clamp<std::size_t>(std::min(wanted, jobs), 1, kMostChildrenAwaited);
}

std::vector<std::string> WorkerArguments(const RunOptions& options, const BatchOptions& batch,
                                         const BatchJob& job) {
  std::vector<std::string> arguments{"run", options.plugin, job.model, "-o", job.output};
  arguments.insert(arguments.end(), batch.mergeArguments.begin(), batch.mergeArguments.end());
  return arguments;
}

// The models in order, each in a worker of its own, as many at once as
// allowed; each is counted as it ends.
void RunWorkers(const RunOptions& options, const BatchOptions& batch,
                const std::vector<BatchJob>& jobs, BatchTally& tally, std::ostream& out,
                std::ostream& err) {
  const std::size_t most = WorkerCount(batch, jobs.size());
  TerminalProgress progress("merging " + std::to_string(jobs.size()) + " models");
  std::vector<std::unique_ptr<ChildProcess>> workers;
  std::vector<const BatchJob*> working;
  for (std::size_t next = 0; next < jobs.size() || !workers.empty();) {
    for (; next < jobs.size() && workers.size() < most; ++next) {
      workers.push_back(
          std::make_unique<ChildProcess>(WorkerArguments(options, batch, jobs[next])));
      working.push_back(&jobs[next]);
    }
    const std::size_t ended = AwaitAny(workers);
    const ChildOutcome outcome = workers[ended]->Finish();
    progress.Clear();
    tally.Count(working[ended]->model, outcome, out, err);
    workers.erase(workers.begin() + static_cast<std::ptrdiff_t>(ended));
    working.erase(working.begin() + static_cast<std::ptrdiff_t>(ended));
    progress.Advance(tally.counted(), jobs.size());
  }
}

// A plug-in that does not load fails once here rather than once per model.
void RequireLoadable(const std::string& plugin) { const HostedPlugin checked(plugin); }

int RunBatch(const RunOptions& options, const BatchOptions& batch, std::ostream& out,
             std::ostream& err) {
  const std::vector<BatchJob> jobs = PlanBatch(options, batch);
  RequireLoadable(options.plugin);
  BatchTally tally;
  RunWorkers(options, batch, jobs, tally, out, err);
  out << tally.Summary() << "\n";
  return tally.ExitStatus();
}

}  // namespace

int RunModels(const RunOptions& options, const BatchOptions& batch, std::ostream& out,
              std::ostream& err) {
  if (!batch.outputDir.empty()) return RunBatch(options, batch, out, err);
  if (batch.models.size() > 1)
    throw CliError(std::to_string(batch.models.size()) +
                   " models need --output-dir DIR, where each result is written under its "
                   "model's file name");
  RunOptions single = options;
  single.model = batch.models.front();
  return RunRunCommand(single, out, err);
}

}  // namespace refhost::cli
