#pragma once

#include <fast_float/fast_float.h>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

#include "refhost/document/VertexExtras.h"
#include "refhost/model/obj/ObjReaderPosition.h"
#include "refhost/model/obj/ObjTokens.h"

namespace refhost {

// The numbers in OBJ statements, read exactly as 32-bit floats: every finite
// decimal, one too small for a float as zero (its sign kept), but neither one
// too large nor "inf" or "nan", which other tools cannot read. A flaw throws
// ModelFileError naming the file and the line being read. A plain number is
// read here, so that it costs no call.
class ObjReaderNumbers {
 public:
  explicit ObjReaderNumbers(const ObjReaderPosition& position) : position_(position) {}

  // The next word as one of the `needed` numbers that `what` ("vertex")
  // must have.
  float Coordinate(ObjTokens& tokens, const char* what, int needed) const {
    float value = 0.0f;
    if (TakePlain(tokens, value)) return value;
    const std::string_view word = tokens.Next();
    if (word.empty()) FailMissing(what, needed);
    return OtherFloat(word);
  }

  float Float(std::string_view word) const {
    const char* last = word.data() + word.size();
    float value = 0.0f;
    auto [end, error] = fast_float::from_chars(word.data(), last, value);
    return error == std::errc() && end == last && std::isfinite(value) ? value : OtherFloat(word);
  }

  // Checks that the statement has the `needed` numbers that `what` must
  // have, and that any words after them are numbers too.
  void Check(ObjTokens& tokens, const char* what, int needed) const;
  // The numbers left after a vertex's position.
  VertexExtras Extras(ObjTokens& tokens) const;

 private:
  // The next word when it is a finite number without a leading "+", read
  // straight from the line.
  static bool TakePlain(ObjTokens& tokens, float& value) {
    const std::string_view ahead = tokens.Ahead();
    auto [end, error] = fast_float::from_chars(ahead.data(), ahead.data() + ahead.size(), value);
    return error == std::errc() && std::isfinite(value) &&
           tokens.SkipWord(static_cast<std::size_t>(end - ahead.data()));
  }

  // A number with a leading "+", or a flaw.
  float OtherFloat(std::string_view word) const;
  [[noreturn]] void FailMissing(const char* what, int needed) const;

  const ObjReaderPosition& position_;
};

// An integer that is the whole word.
inline bool ParseInteger(std::string_view word, long long& value) {
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return !word.empty() && error == std::errc() && end == word.data() + word.size();
}

}  // namespace refhost
