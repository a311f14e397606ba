#pragma once

#include <string>

namespace refhost {

// The file from which the reference host library was loaded: what a host
// hands to a plug-in's MQInit so that it binds the host functions from it.
std::string LibraryPath();

}  // namespace refhost
