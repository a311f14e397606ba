#pragma once

#include <string_view>

namespace refhost {

// Whether a file's first bytes read as an OBJ model: text without a NUL
// byte whose first statement, after any byte order mark and blank lines, is
// a comment or starts with one of OBJ's keywords. Text of any other kind,
// such as a note or a listing, is no model, though the OBJ reader would keep
// its lines and find no object.
bool StartsAsObjText(std::string_view head);

}  // namespace refhost
