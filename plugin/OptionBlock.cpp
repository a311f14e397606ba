#include "plugin/OptionBlock.h"

#include <cstring>

void* FindOptionValue(void* option, const char* key) {
  if (option == nullptr) return nullptr;
  for (auto* pair = static_cast<void* const*>(option); pair[0] != nullptr; pair += 2) {
    if (std::strcmp(static_cast<const char*>(pair[0]), key) == 0) return pair[1];
  }
  return nullptr;
}

int GetOptionInt(void* option, const char* key, int defaultValue) {
  const auto* value = static_cast<const std::int32_t*>(FindOptionValue(option, key));
  return value ? *value : defaultValue;
}

float GetOptionFloat(void* option, const char* key, float defaultValue) {
  const auto* value = static_cast<const float*>(FindOptionValue(option, key));
  return value ? *value : defaultValue;
}

const char* GetOptionText(void* option, const char* key) {
  return static_cast<const char*>(FindOptionValue(option, key));
}

void StoreOptionInt64(void* option, const char* key, std::int64_t value) {
  if (auto* storage = static_cast<std::int64_t*>(FindOptionValue(option, key))) *storage = value;
}

void StoreOptionInt32(void* option, const char* key, std::int32_t value) {
  if (auto* storage = static_cast<std::int32_t*>(FindOptionValue(option, key))) *storage = value;
}
