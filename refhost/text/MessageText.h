#pragma once

#include <string>
#include <string_view>

namespace refhost {

// `text` with its control characters written as escapes (\e, \n, \x9B, ...),
// so that a name or path in a message or prompt cannot move the cursor,
// clear the screen or break the line. Backslashes stay as they are: Windows
// paths hold them.
std::string Escaped(std::string_view text);

// Input shown in a message: cut to what a reader takes in at a glance, at a
// character boundary, "..." marking the cut, and escaped.
std::string Shortened(std::string_view text);

// The shortened input between quote marks.
std::string Quoted(std::string_view text, char mark = '\'');

}  // namespace refhost
