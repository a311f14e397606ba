#pragma once

#include <string_view>

namespace refhost {

// The blank-separated words of one OBJ statement. A word starting with "#"
// ends the statement, so trailing comments are ignored.
class ObjTokens {
 public:
  explicit ObjTokens(std::string_view line) : line_(line) {}

  // The next word; empty when none is left.
  std::string_view Next();
  // Everything after the words taken so far, without surrounding blanks.
  std::string_view Rest() const;

 private:
  std::string_view line_;
  std::size_t position_ = 0;
};

inline bool IsObjBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

}  // namespace refhost
