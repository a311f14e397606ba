#pragma once

#include <string>

#include "refhost/text/ModelFileError.h"

namespace refhost {

// Where an OBJ reader is: the file and the line being read, which every flaw
// it finds names.
class ObjReaderPosition {
 public:
  explicit ObjReaderPosition(const std::string& fileName) : fileName_(fileName) {}

  void NextLine() { ++line_; }
  long long line() const { return line_; }
  [[noreturn]] void Fail(const std::string& what) const {
    throw ModelFileError(fileName_, line_, what);
  }

 private:
  const std::string& fileName_;
  long long line_ = 0;
};

}  // namespace refhost
