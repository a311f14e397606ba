// Round trips between multibyte and UTF-16 text under C.UTF-8: whatever
// converts one way must convert back to the same text, and a failure must
// show as "invalid" only.
#include <clocale>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "merge/TextConversion.h"

namespace {

// The text up to its first zero unit, as the conversions read it.
template <class Text>
Text UpToZero(const Text& text) {
  return text.substr(0, text.find(typename Text::value_type{0}));
}

void CheckNarrowRoundTrip(const std::string& narrow) {
  const std::u16string wide = ToWideString(narrow);
  Check(!wide.empty() || UpToZero(narrow).empty(), "only an empty text widens to nothing");
  if (wide == u"invalid") return;
  Check(ToMultiByteString(wide) == UpToZero(narrow), "a widened text narrows back to itself");
}

void CheckWideRoundTrip(const std::u16string& wide) {
  const std::string narrow = ToMultiByteString(wide);
  Check(!narrow.empty() || UpToZero(wide).empty(), "only an empty text narrows to nothing");
  if (narrow == "invalid") return;
  Check(ToWideString(narrow) == UpToZero(wide), "a narrowed text widens back to itself");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckNarrowRoundTrip(std::string(reinterpret_cast<const char*>(data), size));
  std::u16string wide;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    wide.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
  }
  CheckWideRoundTrip(wide);
  return 0;
}
