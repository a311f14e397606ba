#pragma once

#include <string>
#include <utility>

#include "refhost/text/ModelFileError.h"

namespace refhost {

// A new object's name that the file being written cannot take, since the
// file already gives it to something that readers would confuse it with. It
// names the object, so that the command line can say how to choose another.
class TakenNameError : public ModelFileError {
 public:
  TakenNameError(const std::string& file, const std::string& what, std::string object)
      : ModelFileError(file, what), object_(std::move(object)) {}

  const std::string& object() const { return object_; }

 private:
  std::string object_;
};

}  // namespace refhost
