#pragma once

namespace refhost::python {

// Turns the host's failures into the exceptions of blendforge._errors,
// their text the line `refhost` prints for the same failure (after its
// "refhost: "): ModelFileError into ModelError with its file, line and JSON
// pointer, CommandUnchanged into Unchanged, CliError into Error.
void RegisterErrorTranslation();

}  // namespace refhost::python
