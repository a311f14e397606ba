#pragma once

#include <stdexcept>
#include <string>

namespace refhost {

// A model file that cannot be read or written. The message names the file
// and, for a flaw in its content, the line: "model.obj:12: what was wrong".
class ModelFileError : public std::runtime_error {
 public:
  ModelFileError(const std::string& file, const std::string& what)
      : std::runtime_error(file + ": " + what) {}
  ModelFileError(const std::string& file, long long line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what) {}
};

}  // namespace refhost
