#pragma once

#include <cstdint>

// A host function that the plug-in binds but never calls: it needs only to
// exist under its name, and answers 0 should anything call it after all.
#define REFHOST_STUB_FUNCTION(name) \
  extern "C" std::intptr_t name() { return 0; }
