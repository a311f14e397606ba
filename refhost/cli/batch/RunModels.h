#pragma once

#include <ostream>

#include "refhost/cli/RunCommand.h"
#include "refhost/cli/batch/BatchOptions.h"

namespace refhost::cli {

// `refhost run` on the models given: one model without --output-dir runs as
// RunRunCommand runs it; with --output-dir each model is merged with the
// same answers in a worker process of its own, at most `jobs` at once, so
// that a plug-in's state or a crash of it touches no other model. Returns
// the exit status; failures of the batch as a whole throw CliError.
int RunModels(const RunOptions& options, const BatchOptions& batch, std::ostream& out,
              std::ostream& err);

}  // namespace refhost::cli
