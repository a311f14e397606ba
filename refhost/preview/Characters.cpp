#include "refhost/preview/Characters.h"

#include <utf8cpp/utf8/unchecked.h>

namespace refhost::preview {

std::vector<Character> CharactersOf(std::string_view text) {
  std::vector<Character> characters;
  const char* const start = text.data();
  const char* const end = start + text.size();
  const char* next = start;
  while (next != end) {
    const char* const invalid = utf8::find_invalid(next, end);
    while (next != invalid) {
      const char32_t value = utf8::unchecked::next(next);
      characters.push_back({value, false, static_cast<std::size_t>(next - start)});
    }
    if (next == end) break;
    characters.push_back(
        {static_cast<unsigned char>(*next), true, static_cast<std::size_t>(next + 1 - start)});
    ++next;
  }
  return characters;
}

}  // namespace refhost::preview
