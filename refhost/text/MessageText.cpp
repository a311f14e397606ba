#include "refhost/text/MessageText.h"

#include <cstdio>

namespace refhost {
namespace {

// As much of a quoted word as the OBJ reader's messages show.
constexpr std::size_t kLongestQuote = 40;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// C1 controls (U+0080 to U+009F) in UTF-8 start with 0xC2; some terminals act
// on them as on escape sequences.
bool IsControlAt(std::string_view text, std::size_t at) {
  const auto c = static_cast<unsigned char>(text[at]);
  if (c < 0x20 || c == 0x7F) return true;
  return c == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) < 0xA0 &&
         IsContinuationByte(text[at + 1]);
}

std::string Escape(unsigned char c) {
  if (c == 0x1B) return "\\e";
  if (c == '\n') return "\\n";
  if (c == '\r') return "\\r";
  if (c == '\t') return "\\t";
  char code[8];
  std::snprintf(code, sizeof code, "\\x%02X", c);
  return code;
}

}  // namespace

std::string Escaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (!IsControlAt(text, at)) {
      escaped += text[at];
      continue;
    }
    if (static_cast<unsigned char>(text[at]) == 0xC2) escaped += Escape(text[at++]);
    escaped += Escape(text[at]);
  }
  return escaped;
}

std::string Shortened(std::string_view text) {
  if (text.size() <= kLongestQuote) return Escaped(text);
  std::size_t cut = kLongestQuote;
  while (cut > 0 && IsContinuationByte(text[cut])) --cut;
  return Escaped(text.substr(0, cut)) + "...";
}

std::string Quoted(std::string_view text, char mark) { return mark + Shortened(text) + mark; }

}  // namespace refhost
