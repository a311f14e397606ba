#pragma once

#include <string>

#include "refhost/RefhostApi.h"

namespace refhost {

// The file from which the reference host library was loaded: what a host
// hands to a plug-in's MQInit so that it binds the host functions from it.
REFHOST_API std::string LibraryPath();

}  // namespace refhost
