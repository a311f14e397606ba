#include "refhost/text/LineEnds.h"

#include <algorithm>

namespace refhost {

std::string LineEndOf(std::string_view text) {
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos) return text.find('\r') == std::string_view::npos ? "\n" : "\r";
  return end > 0 && text[end - 1] == '\r' ? "\r\n" : "\n";
}

long long LineAt(std::string_view text, std::size_t offset) {
  const char end = LineEndOf(text).back();
  return 1 + std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), end);
}

}  // namespace refhost
