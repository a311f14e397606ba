#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace refhost::cli {

// "0xE3F7A830": identifiers and versions are shown the way plug-in makers
// write them.
inline std::string HexNumber(std::uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
  return text;
}

}  // namespace refhost::cli
