#include "refhost/cli/streams/Terminal.h"

#include <unistd.h>

namespace refhost::cli {

bool IsTerminal(std::FILE* stream) { return isatty(fileno(stream)) != 0; }

}  // namespace refhost::cli
