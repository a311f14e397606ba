#pragma once

#include <string_view>
#include <vector>

namespace refhost::preview {

// One character of a text: a code point, or a byte that is not part of any
// UTF-8 sequence (a name in another encoding), which is shown as a byte.
struct Character {
  char32_t value = 0;
  bool invalidByte = false;
  std::size_t end = 0;  // the offset just past it in the text
};

// The text's characters in order, read as UTF-8.
std::vector<Character> CharactersOf(std::string_view text);

}  // namespace refhost::preview
