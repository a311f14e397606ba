#pragma once

// Marks the module's exported C entry points; everything else stays hidden.
#if defined(_WIN32)
#define BLENDFORGE_EXPORT extern "C" __declspec(dllexport)
#else
#define BLENDFORGE_EXPORT extern "C" __attribute__((visibility("default")))
#endif
