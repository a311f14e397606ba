#pragma once

// Marks a function that runs only on a rare path, such as reporting a misuse:
// kept out of line, so that its callers' common path stays short.
#if defined(_MSC_VER)
#define REFHOST_COLD_PATH __declspec(noinline)
#else
#define REFHOST_COLD_PATH [[gnu::cold, gnu::noinline]]
#endif
