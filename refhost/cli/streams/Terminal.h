#pragma once

#include <cstdio>

namespace refhost::cli {

// True when the stream is attached to a terminal, i.e. a person is likely
// watching it (or typing into it) rather than a pipe or a file.
bool IsTerminal(std::FILE* stream);

}  // namespace refhost::cli
