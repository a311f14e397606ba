#include "platform/TextCodec.h"

#include <cstdlib>
#include <vector>

// wchar_t is UTF-16 here, so the runtime's conversions produce the widget
// texts directly. _TRUNCATE makes output that does not fit a reported error
// rather than a refusal; either way the caller gets no text.
namespace platform {

std::optional<std::u16string> DecodeMultiByte(const std::string& text) {
  std::vector<wchar_t> buffer(2 * text.size() + 1);
  std::size_t converted = 0;
  if (mbstowcs_s(&converted, buffer.data(), buffer.size(), text.c_str(), _TRUNCATE) != 0) {
    return std::nullopt;
  }
  const wchar_t* begin = buffer.data();
  return std::u16string(begin, begin + std::wcslen(begin));
}

std::optional<std::string> EncodeMultiByte(const std::u16string& text) {
  // Each UTF-16 unit needs at most MB_CUR_MAX bytes (a surrogate pair, two
  // units, at most four), so this buffer always fits the whole text.
  std::vector<char> buffer(text.size() * MB_CUR_MAX + 1);
  const std::wstring wide(text.begin(), text.end());
  std::size_t converted = 0;
  if (wcstombs_s(&converted, buffer.data(), buffer.size(), wide.c_str(), _TRUNCATE) != 0) {
    return std::nullopt;
  }
  return std::string(buffer.data());
}

}  // namespace platform
