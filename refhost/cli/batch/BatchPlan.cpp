#include "refhost/cli/batch/BatchPlan.h"

#include <filesystem>
#include <map>

#include "refhost/cli/CliError.h"
#include "refhost/cli/streams/StandardStreams.h"

namespace refhost::cli {
namespace {

namespace fs = std::filesystem;

void RequireOptionsForMany(const RunOptions& options) {
  if (!options.output.empty())
    throw CliError("-o names the output of one model; a batch writes into --output-dir");
  if (!options.preview.path.empty())
    throw CliError("--preview draws one model; leave out --output-dir to draw it");
  if (options.verbose)
    throw CliError("--verbose times one model; leave out --output-dir to time it");
}

std::string OutputOf(const std::string& model, const std::string& outputDir) {
  if (model == kStandardStream)
    throw CliError("-: stdin cannot be one model of a batch; name the files");
  const fs::path name = fs::path(model).filename();
  if (name.empty() || name == "." || name == "..")
    throw CliError(model + ": names no file to write a result under");
  return (fs::path(outputDir) / name).string();
}

// The atomic replace would put the merge in place of the user's model.
void RequireOtherThanModel(const BatchJob& job) {
  std::error_code error;
  if (fs::equivalent(job.model, job.output, error))
    throw CliError(job.model + ": is its own output " + job.output +
                   "; choose another --output-dir");
}

void MakeFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw CliError(folder + ": cannot make the output folder: " + error.message());
}

}  // namespace

std::vector<BatchJob> PlanBatch(const RunOptions& options, const BatchOptions& batch) {
  RequireOptionsForMany(options);
  std::vector<BatchJob> jobs;
  std::map<std::string, std::string> modelByOutput;
  for (const std::string& model : batch.models) {
    BatchJob job{model, OutputOf(model, batch.outputDir)};
    const auto [taken, fresh] = modelByOutput.emplace(job.output, model);
    if (!fresh)
      throw CliError(taken->second + " and " + model + " would both be written to " + job.output +
                     "; merge them in separate runs");
    RequireOtherThanModel(job);
    jobs.push_back(std::move(job));
  }
  MakeFolder(batch.outputDir);
  return jobs;
}

}  // namespace refhost::cli
