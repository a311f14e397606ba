#pragma once

// Marks the C functions a module exports by name: a plug-in's entry points,
// a host's functions. Everything else stays hidden.
#if defined(_WIN32)
#define BLENDFORGE_EXPORT extern "C" __declspec(dllexport)
#else
#define BLENDFORGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif
