#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace refhost {

inline bool IsObjBlank(char c) {
  // ' ', '\t', '\v', '\f' and '\r' as bits, so that a character costs one test.
  constexpr std::uint64_t kBlanks =
      (1ull << ' ') | (1ull << '\t') | (1ull << '\v') | (1ull << '\f') | (1ull << '\r');
  const auto code = static_cast<unsigned char>(c);
  return code <= ' ' && ((kBlanks >> code) & 1) != 0;
}

// The blank-separated words of one OBJ statement. A word starting with "#"
// ends the statement: it and the rest of the line are the statement's comment.
// The per-word members are defined here, so that taking a word costs no call.
class ObjTokens {
 public:
  explicit ObjTokens(std::string_view line) : line_(line) {}

  // The next word; empty when none is left.
  std::string_view Next() {
    Ahead();
    const char* text = line_.data();
    const std::size_t start = position_;
    while (position_ < line_.size() && !IsObjBlank(text[position_])) ++position_;
    if (start < position_ && text[start] == '#') return TakeComment(start);
    return std::string_view(text + start, position_ - start);
  }
  // The line from the next word on, for a reader that takes a word straight
  // from it (and then skips it) instead of taking it first.
  std::string_view Ahead() {
    while (position_ < line_.size() && IsObjBlank(line_[position_])) ++position_;
    return std::string_view(line_.data() + position_, line_.size() - position_);
  }
  // Moves past the first `count` characters of Ahead() when they are a whole
  // word; says whether they were.
  bool SkipWord(std::size_t count) {
    const std::size_t end = position_ + count;
    if (end < line_.size() && !IsObjBlank(line_[end])) return false;
    position_ = end;
    return true;
  }
  // Everything after the words taken so far, without surrounding blanks.
  std::string_view Rest() const;
  // The words left before the comment, as the one piece of the line from the
  // first of them to the last.
  std::string_view RemainingWords();
  // The comment that ended the statement, once Next has met it; else empty.
  std::string_view comment() const { return comment_; }

 private:
  // The comment from `start` on; no word follows it.
  std::string_view TakeComment(std::size_t start);

  std::string_view line_;
  std::size_t position_ = 0;
  std::string_view comment_;
};

// The name an "o" line gives: all of it after the keyword, comment included,
// without surrounding blanks.
inline std::string_view ObjectNameOn(std::string_view line) {
  ObjTokens tokens(line);
  tokens.Next();
  return tokens.Rest();
}

}  // namespace refhost
