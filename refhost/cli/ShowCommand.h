#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "refhost/cli/pictures/PreviewOutput.h"

namespace refhost::cli {

struct ShowOptions {
  std::string model;                 // "-": stdin
  std::vector<std::string> objects;  // empty: the first object and its morph targets
  PreviewOptions preview;
};

// `refhost show`: draws objects of a model into a preview, without any
// plug-in. Says where the picture went on `out`; returns the exit status.
int RunShowCommand(const ShowOptions& options, std::ostream& out);

}  // namespace refhost::cli
