#include "refhost/model/obj/ObjReaderNumbers.h"

#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

// A decimal too large for a float reads as infinite, as "inf" does; only its
// first character tells them apart.
bool IsDecimal(const char* number) {
  if (*number == '-') ++number;
  return *number == '.' || (*number >= '0' && *number <= '9');
}

}  // namespace

void ObjReaderNumbers::FailMissing(const char* what, int needed) const {
  position_.Fail(std::string(what) + " needs " + std::to_string(needed) + " number" +
                 (needed > 1 ? "s" : ""));
}

// A decimal too small for a float reads as zero with its sign, as it rounds.
float ObjReaderNumbers::OtherFloat(std::string_view word) const {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (word.size() > 1 && word[0] == '+' && word[1] != '-') ++first;
  float value = 0.0f;
  auto [end, error] = fast_float::from_chars(first, last, value);
  if (error == std::errc() && std::isinf(value) && IsDecimal(first))
    position_.Fail("number " + Quoted(word) + " is outside the range of a 32-bit float");
  if (error != std::errc() || end != last) position_.Fail("malformed number " + Quoted(word));
  if (!std::isfinite(value)) position_.Fail("number " + Quoted(word) + " is not finite");
  return value;
}

void ObjReaderNumbers::Check(ObjTokens& tokens, const char* what, int needed) const {
  for (int index = 0; index < needed; ++index) Coordinate(tokens, what, needed);
  for (std::string_view word = tokens.Next(); !word.empty(); word = tokens.Next()) Float(word);
}

VertexExtras ObjReaderNumbers::Extras(ObjTokens& tokens) const {
  VertexExtras extras;
  for (std::string_view word = tokens.Next(); !word.empty(); word = tokens.Next()) {
    if (extras.count == VertexExtras::kMost)
      position_.Fail("vertex has more than " + std::to_string(3 + VertexExtras::kMost) +
                     " numbers, more than can be kept");
    extras.values[extras.count++] = Float(word);
  }
  return extras;
}

}  // namespace refhost
