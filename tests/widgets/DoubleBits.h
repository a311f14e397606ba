#pragma once

#include <cstdint>
#include <cstring>

// A double's bit pattern, so that results compare exactly (and -0.0 is
// told from 0.0).
inline std::uint64_t Bits(double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof value);
  return bits;
}
