#pragma once

#include <cstdint>

#include "abi/Export.h"

// A host function that the plug-in binds but never calls: it needs only to
// be exported under its name, and answers 0 should anything call it after all.
#define REFHOST_STUB_FUNCTION(name) \
  BLENDFORGE_EXPORT std::intptr_t name() { return 0; }
