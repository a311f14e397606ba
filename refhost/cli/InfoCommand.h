#pragma once

#include <ostream>
#include <string>

namespace refhost::cli {

// `refhost info PLUGIN`: loads and binds the plug-in, then prints its
// identity, type, version answer and menu strings.
void RunInfoCommand(const std::string& pluginPath, std::ostream& out);

}  // namespace refhost::cli
