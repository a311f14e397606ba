#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace refhost {

// A text's line end: "\r" in a text without LF but with CR (old Mac files);
// else as its first line ends, "\r\n" or "\n" (also for a text of one line).
// A CR inside a line of a text with LFs is a blank.
std::string LineEndOf(std::string_view text);

// The number, from 1, of the line of `text` that holds the byte at `offset`.
long long LineAt(std::string_view text, std::size_t offset);

}  // namespace refhost
