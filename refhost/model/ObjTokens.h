#pragma once

#include <string_view>

namespace refhost {

// The blank-separated words of one OBJ statement. A word starting with "#"
// ends the statement: it and the rest of the line are the statement's comment.
class ObjTokens {
 public:
  explicit ObjTokens(std::string_view line) : line_(line) {}

  // The next word; empty when none is left.
  std::string_view Next();
  // Everything after the words taken so far, without surrounding blanks.
  std::string_view Rest() const;
  // The words left before the comment, as the one piece of the line from the
  // first of them to the last.
  std::string_view RemainingWords();
  // The comment that ended the statement, once Next has met it; else empty.
  std::string_view comment() const { return comment_; }

 private:
  std::string_view line_;
  std::size_t position_ = 0;
  std::string_view comment_;
};

inline bool IsObjBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

// The name an "o" line gives: all of it after the keyword, comment included,
// without surrounding blanks.
inline std::string_view ObjectNameOn(std::string_view line) {
  ObjTokens tokens(line);
  tokens.Next();
  return tokens.Rest();
}

}  // namespace refhost
