#pragma once

#include <string>

#include "refhost/document/Document.h"
#include "refhost/model/ModelFile.h"

namespace refhost::cli {

// How messages name the output when it is stdout.
inline constexpr const char* kStandardOutputName = "stdout";

// Writes the document onto the model it was read from, to `output` ("-":
// stdout), replaced atomically; a name the file cannot take is a CliError
// that says how to choose another.
void WriteModel(const Document& document, const ModelFile& model, const std::string& output);

// "in the dialog" or "with --edit 2=NAME": how the user gives the new
// object `name` another name.
std::string WhereToRename(const std::string& name);

}  // namespace refhost::cli
