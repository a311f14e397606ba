#pragma once

#include <string>

namespace refhost::cli {

// CliError naming the file unless `path` is a regular file holding a whole
// module of this platform's format: loading a FIFO would wait forever, and
// loading a cut module would fault.
void CheckModuleFile(const std::string& path);

}  // namespace refhost::cli
