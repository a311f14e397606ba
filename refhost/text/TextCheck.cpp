#include "refhost/text/TextCheck.h"

#include <cstring>

#include "refhost/text/LineEnds.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {

std::optional<TextFlaw> FindTextFlaw(std::string_view text, std::size_t from) {
  const void* nul = std::memchr(text.data() + from, '\0', text.size() - from);
  if (nul != nullptr)
    return TextFlaw{static_cast<std::size_t>(static_cast<const char*>(nul) - text.data()),
                    "not a text file: holds a NUL byte"};
  if (text.size() <= kLongestLine) return std::nullopt;
  // Searched from the end, the last line end is near unless the line is long.
  const std::size_t lastEnd = text.find_last_of("\r\n");
  const std::size_t lastLine = lastEnd == std::string_view::npos ? 0 : lastEnd + 1;
  if (text.size() - lastLine > kLongestLine) return TextFlaw{lastLine, kLongLineFlaw};
  return std::nullopt;
}

void CheckText(std::string_view text, std::size_t from, const std::string& name) {
  if (const std::optional<TextFlaw> flaw = FindTextFlaw(text, from))
    throw ModelFileError(name, LineAt(text, flaw->offset), flaw->what);
}

}  // namespace refhost
