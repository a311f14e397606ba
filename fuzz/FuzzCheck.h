#pragma once

#include <cstdio>
#include <cstdlib>

// A property every input must keep. A broken one aborts, which libFuzzer
// reports as a finding and saves the input for.
inline void Check(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}
