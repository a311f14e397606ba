#include "refhost/cli/Terminal.h"

#include <io.h>

namespace refhost::cli {

bool IsTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

}  // namespace refhost::cli
