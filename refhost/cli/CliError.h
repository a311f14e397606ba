#pragma once

#include <stdexcept>

namespace refhost::cli {

// A failure the command line reports in one sentence and ends on with a
// non-zero exit status.
class CliError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace refhost::cli
