#pragma once

#include <string>
#include <vector>

#include "refhost/cli/RunCommand.h"
#include "refhost/cli/batch/BatchOptions.h"

namespace refhost::cli {

// One model of a batch and the file its result replaces.
struct BatchJob {
  std::string model;
  std::string output;
};

// The batch's jobs, each model's result in the output folder under the
// model's file name, and the folder made if it is missing. CliError, before
// anything is run or made, for a batch that would lose a result or a model:
// two models of one file name, a model that is its own output, stdin, or an
// option that names one file for all the models (-o, --preview, --verbose).
std::vector<BatchJob> PlanBatch(const RunOptions& options, const BatchOptions& batch);

}  // namespace refhost::cli
