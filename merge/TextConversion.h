#pragma once

#include <string>

// Object names are multibyte text in the current LC_CTYPE locale; widget
// texts are UTF-16. A failed conversion yields "invalid", never an empty text.
std::u16string ToWideString(const std::string& text);
std::string ToMultiByteString(const std::u16string& text);
