#pragma once

#include <cstdint>

// Lookups in the host's option block: (key, value pointer) pairs read two at
// a time up to the first null key; a null block is empty. Keys match by exact
// bytes, and only the first pair with a key counts, even when its value
// pointer is null. The block itself is never written.

// The value pointer of the first pair named `key`, or null.
void* FindOptionValue(void* option, const char* key);

// The 32-bit integer behind `key`, or `defaultValue` when there is none.
int GetOptionInt(void* option, const char* key, int defaultValue);

// The 32-bit float behind `key`, or `defaultValue` when there is none.
float GetOptionFloat(void* option, const char* key, float defaultValue);

// The zero-terminated text behind `key`, or null.
const char* GetOptionText(void* option, const char* key);

// Output keys: the host provides the storage; without it nothing is stored.
void StoreOptionInt64(void* option, const char* key, std::int64_t value);
void StoreOptionInt32(void* option, const char* key, std::int32_t value);
