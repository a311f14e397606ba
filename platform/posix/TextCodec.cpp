#include "platform/TextCodec.h"

#include <climits>
#include <cstdlib>
#include <cwchar>

// wchar_t is UTF-32 here: the locale converts between multibyte and code
// points, and the UTF-16 surrogate pairs are made and split by hand.
namespace platform {
namespace {

constexpr char32_t kSurrogateBase = 0xD800;
constexpr char32_t kLowSurrogateBase = 0xDC00;
constexpr char32_t kSurrogateEnd = 0xE000;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kLastCodePoint = 0x10FFFF;

void AppendUtf16(char32_t codePoint, std::u16string& out) {
  if (codePoint < kFirstSupplementary) {
    out.push_back(static_cast<char16_t>(codePoint));
    return;
  }
  const char32_t offset = codePoint - kFirstSupplementary;
  out.push_back(static_cast<char16_t>(kSurrogateBase + (offset >> 10)));
  out.push_back(static_cast<char16_t>(kLowSurrogateBase + (offset & 0x3FF)));
}

bool IsHighSurrogate(char32_t unit) { return unit >= kSurrogateBase && unit < kLowSurrogateBase; }
bool IsLowSurrogate(char32_t unit) { return unit >= kLowSurrogateBase && unit < kSurrogateEnd; }
// glibc's UTF-8 decoder passes code points beyond U+10FFFF, which UTF-16 cannot hold.
bool IsScalarValue(char32_t c) {
  return c < kSurrogateBase || (c >= kSurrogateEnd && c <= kLastCodePoint);
}

// Reads one code point at `pos`, advancing it; empty for a lone surrogate.
std::optional<char32_t> NextCodePoint(const std::u16string& text, std::size_t& pos) {
  const char32_t unit = text[pos++];
  if (IsLowSurrogate(unit)) return std::nullopt;
  if (!IsHighSurrogate(unit)) return unit;
  if (pos == text.size() || !IsLowSurrogate(text[pos])) return std::nullopt;
  const char32_t low = text[pos++];
  return kFirstSupplementary + ((unit - kSurrogateBase) << 10) + (low - kLowSurrogateBase);
}

}  // namespace

std::optional<std::u16string> DecodeMultiByte(const std::string& text) {
  std::u16string out;
  std::mbstate_t state{};
  const char* next = text.c_str();
  const char* const end = next + text.size();
  while (next < end && *next != '\0') {
    wchar_t wide = 0;
    const std::size_t used =
        std::mbrtowc(&wide, next, static_cast<std::size_t>(end - next), &state);
    if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2)) {
      return std::nullopt;
    }
    if (!IsScalarValue(static_cast<char32_t>(wide))) return std::nullopt;
    AppendUtf16(static_cast<char32_t>(wide), out);
    next += used;
  }
  return out;
}

std::optional<std::string> EncodeMultiByte(const std::u16string& text) {
  std::string out;
  std::mbstate_t state{};
  char bytes[MB_LEN_MAX];
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] != u'\0') {
    const std::optional<char32_t> codePoint = NextCodePoint(text, pos);
    if (!codePoint) return std::nullopt;
    const std::size_t written = std::wcrtomb(bytes, static_cast<wchar_t>(*codePoint), &state);
    if (written == static_cast<std::size_t>(-1)) return std::nullopt;
    out.append(bytes, written);
  }
  return out;
}

}  // namespace platform
