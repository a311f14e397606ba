#pragma once

#include <memory>
#include <string>

#include "refhost/document/Document.h"
#include "refhost/model/ModelFile.h"

namespace refhost::cli {

// How messages name a model: "stdin" for "-", else its path.
std::string ModelName(const std::string& model);

// Reads the model file, or stdin for "-", into `document`, with progress on
// a terminal; running out of memory names the model.
std::unique_ptr<ModelFile> ReadModel(const std::string& model, Document& document);

}  // namespace refhost::cli
