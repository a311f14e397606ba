#pragma once

#include <stdexcept>
#include <string>

namespace refhost {

// A model file that cannot be read or written. The message names the file
// and, for a flaw in its content, the line: "model.obj:12: what was wrong",
// or the JSON pointer: "model.gltf: /meshes/0: what was wrong". Callers
// that show the place apart from the message read it from the accessors.
class ModelFileError : public std::runtime_error {
 public:
  ModelFileError(const std::string& file, const std::string& what)
      : std::runtime_error(file + ": " + what), file_(file) {}
  ModelFileError(const std::string& file, long long line, const std::string& what)
      : std::runtime_error(file + ":" + std::to_string(line) + ": " + what),
        file_(file),
        line_(line) {}
  // A flaw at `pointer` (none when empty) in a JSON document.
  static ModelFileError AtPointer(const std::string& file, const std::string& pointer,
                                  const std::string& what) {
    ModelFileError error(file, pointer.empty() ? what : pointer + ": " + what);
    error.pointer_ = pointer;
    return error;
  }

  const std::string& file() const { return file_; }
  long long line() const { return line_; }                 // 0 when no line is named
  const std::string& pointer() const { return pointer_; }  // empty when none is named

 private:
  std::string file_;
  long long line_ = 0;
  std::string pointer_;
};

}  // namespace refhost
