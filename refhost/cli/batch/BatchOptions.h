#pragma once

#include <string>
#include <vector>

namespace refhost::cli {

// What `refhost run` takes beyond one model's options: the models, and for
// a batch where their results go and how many run at once.
struct BatchOptions {
  std::vector<std::string> models;
  std::string outputDir;  // empty: a single model, run as `run` runs one
  int jobs = 0;           // workers at once; 0: as many as the machine has cores
  // The options that shape each merge (object, command, dialog answers), as
  // typed, for the workers to parse as the batch did.
  std::vector<std::string> mergeArguments;
};

}  // namespace refhost::cli
