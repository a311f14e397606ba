#pragma once

#include <optional>
#include <string>

// Conversions between the current LC_CTYPE locale's multibyte encoding and
// UTF-16, the width of the host's widget texts on every platform.
namespace platform {

// Reads `text` up to its first zero byte. Empty on any conversion error.
std::optional<std::u16string> DecodeMultiByte(const std::string& text);

// Reads `text` up to its first zero unit. Empty when a character cannot be
// represented in the locale or the text is not well-formed UTF-16.
std::optional<std::string> EncodeMultiByte(const std::u16string& text);

}  // namespace platform
