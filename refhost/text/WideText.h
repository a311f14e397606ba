#pragma once

#include <string>

namespace refhost {

// The text of a NUL-terminated UTF-16 value from the plug-in, read at most to
// a sane bound so that a missing terminator cannot run the host away.
std::u16string ReadWide(const void* value);

// UTF-8 for records and messages, independent of the process locale.
std::string ToUtf8(const std::u16string& text);

}  // namespace refhost
