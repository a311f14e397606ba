#include "refhost/model/ObjNumbers.h"

#include <charconv>
#include <system_error>

#include "refhost/model/ModelFileError.h"

namespace refhost {

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
  if (error == std::errc::result_out_of_range)
    position_.Fail("number " + Quoted(word) + " is outside the range of a 32-bit float");
  if (error != std::errc() || end != last) position_.Fail("malformed number " + Quoted(word));
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
