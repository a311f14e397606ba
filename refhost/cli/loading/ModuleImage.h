#pragma once

#include <optional>
#include <string>

#include "refhost/cli/loading/FileBytes.h"

namespace refhost::cli {

// What the loader's refusal of a file that is no module amounts to.
inline constexpr const char* kNotAModule = "cannot be loaded as a module on this platform";

// Why the file is no complete module of this platform's format (ELF on
// Linux, PE on Windows): kNotAModule, or which header, segment or section
// ends past the end of the file. Nothing when the file is whole. The loader
// maps a module's parts from the file as its headers place them, so a part
// that the file lacks faults when first touched.
std::optional<std::string> ModuleImageFlaw(FileBytes& file);

}  // namespace refhost::cli
