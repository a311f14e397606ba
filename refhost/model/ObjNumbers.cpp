#include "refhost/model/ObjNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "refhost/model/ModelFileError.h"
#include "refhost/widgets/MessageText.h"

namespace refhost {
namespace {

// Whether a decimal too small or too large for a float is the small kind,
// which rounds to zero: the power of ten of its first significant digit is
// negative. An exponent too long for a number has its sign tell.
bool RoundsToZero(std::string_view word) {
  const std::size_t mark = std::min(word.find_first_of("eE"), word.size());
  const std::string_view mantissa = word.substr(0, mark);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  const long long place = first < point ? static_cast<long long>(point - first - 1)
                                        : -static_cast<long long>(first - point);
  std::string_view exponent = word.substr(std::min(mark + 1, word.size()));
  if (!exponent.empty() && exponent[0] == '+') exponent.remove_prefix(1);
  long long power = 0;
  if (!exponent.empty() && !ParseInteger(exponent, power)) return exponent[0] == '-';
  return power < -place;
}

}  // namespace

float ObjNumbers::Coordinate(std::string_view word, const char* what, int needed) const {
  if (word.empty())
    position_.Fail(std::string(what) + " needs " + std::to_string(needed) + " number" +
                   (needed > 1 ? "s" : ""));
  return Float(word);
}

float ObjNumbers::Float(std::string_view word) const {
  const char* first = word.data();
  const char* last = word.data() + word.size();
  if (word.size() > 1 && word[0] == '+' && word[1] != '-') ++first;
  float value = 0.0f;
  auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range && !RoundsToZero(word))
    position_.Fail("number " + Quoted(word) + " is outside the range of a 32-bit float");
  if (error == std::errc::result_out_of_range) {
    error = std::errc();
    value = word[0] == '-' ? -0.0f : 0.0f;
  }
  if (error != std::errc() || end != last) position_.Fail("malformed number " + Quoted(word));
  if (!std::isfinite(value)) position_.Fail("number " + Quoted(word) + " is not finite");
  return value;
}

void ObjNumbers::Check(ObjTokens& tokens, const char* what, int needed) const {
  for (int index = 0; index < needed; ++index) Coordinate(tokens.Next(), what, needed);
  for (std::string_view word = tokens.Next(); !word.empty(); word = tokens.Next()) Float(word);
}

VertexExtras ObjNumbers::Extras(ObjTokens& tokens) const {
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
