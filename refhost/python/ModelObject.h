#pragma once

#include <pybind11/numpy.h>

#include <memory>
#include <string>

#include "refhost/python/OpenModel.h"

namespace refhost::python {

// An object of an open model as Python sees it: named by its unique ID, so
// that it stays the same object when others are added or renamed.
class ModelObject {
 public:
  ModelObject(std::shared_ptr<OpenModel> model, int uniqueID)
      : model_(std::move(model)), uniqueID_(uniqueID) {}

  std::string name() const;
  // A read-only float32 array of shape (vertices, 3): a copy, so that it
  // stays valid whatever later runs do to the object.
  pybind11::array_t<float> positions() const;

 private:
  // The object under the host lock; CliError once the document no longer
  // holds it.
  const Object& Held() const;

  std::shared_ptr<OpenModel> model_;
  int uniqueID_;
};

}  // namespace refhost::python
