#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>

#include "refhost/VertexExtras.h"
#include "refhost/model/ObjReadPosition.h"
#include "refhost/model/ObjTokens.h"

namespace refhost {

// The numbers in OBJ statements, read exactly as 32-bit floats: every finite
// decimal, one too small for a float as zero (its sign kept), but neither one
// too large nor "inf" or "nan", which other tools cannot read. A flaw throws
// ModelFileError naming the file and the line being read.
class ObjNumbers {
 public:
  explicit ObjNumbers(const ObjReadPosition& position) : position_(position) {}

  // One of the `needed` numbers that `what` ("vertex") must have.
  float Coordinate(std::string_view word, const char* what, int needed) const;
  float Float(std::string_view word) const;
  // Checks that the statement has the `needed` numbers that `what` must
  // have, and that any words after them are numbers too.
  void Check(ObjTokens& tokens, const char* what, int needed) const;
  // The numbers left after a vertex's position.
  VertexExtras Extras(ObjTokens& tokens) const;

 private:
  const ObjReadPosition& position_;
};

// An integer that is the whole word.
inline bool ParseInteger(std::string_view word, long long& value) {
  auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  return !word.empty() && error == std::errc() && end == word.data() + word.size();
}

}  // namespace refhost
