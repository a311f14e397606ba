#pragma once

#include <ostream>
#include <string>

#include "refhost/cli/answers/DialogAnswers.h"
#include "refhost/cli/pictures/PreviewOutput.h"

namespace refhost::cli {

struct RunOptions {
  std::string plugin;
  std::string model;   // "-": stdin
  std::string output;  // empty: beside the model, its stem + ".merged" + its extension; "-": stdout
  std::string object;  // empty: the document's first object
  int command = 0;
  DialogAnswers answers;
  PreviewOptions preview;
  bool verbose = false;  // each phase's wall time on stderr
};

// `refhost run`: opens the model as a document, makes an object current,
// runs the plug-in's menu command, answers its dialog and saves the result,
// then draws the preview when one is asked for.
// Says what it did on `out`, or on `err` when the document itself goes to
// stdout. Returns the exit status; failures throw CliError or ModelFileError.
int RunRunCommand(const RunOptions& options, std::ostream& out, std::ostream& err);

// Where the result goes when no output is given.
std::string DefaultOutputPath(const std::string& model);

}  // namespace refhost::cli
