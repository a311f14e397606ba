#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "refhost/text/TextCheck.h"

namespace refhost {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";  // UTF-8's

// One line of a text: its content, and the bytes that end it as the text has
// them ("\n", "\r\n", "\r", or none for a last line without a line end).
struct TextLine {
  std::string_view content;
  std::string_view end;
};

// The lines of a model's text, split at its line end (LineEndOf); a CR
// before an LF ends the line too. A file is read in blocks of a megabyte, so
// that only the lines at hand are held however large it is, and each block is
// checked as it comes (FindTextFlaw), so that an endless stream that is no
// model ends early. A byte order mark at the start is no part of the first
// line. A flaw, a line longer than kLongestLine or a failed read
// throws ModelFileError naming `name` and the line.
class TextLines {
 public:
  // The lines of `text`, which the caller keeps while they are read.
  TextLines(std::string_view text, std::string name);
  // The lines of `file`, read to its end.
  TextLines(std::FILE* file, std::string name);

  // The next line, valid until the next call; false after the last one.
  // Defined here, so that a line costs no call of its own.
  bool Next(TextLine& line) {
    const void* found = std::memchr(text_.data() + cursor_, lineBreak_, text_.size() - cursor_);
    if (found == nullptr) return NextAfterRead(line);
    Hand(line, static_cast<std::size_t>(static_cast<const char*>(found) - text_.data()));
    return true;
  }
  // "\n", "\r\n" or "\r".
  const std::string& lineEnd() const { return lineEnd_; }
  // kByteOrderMark when the text starts with it, else empty.
  std::string_view byteOrderMark() const { return byteOrderMark_; }
  // The bytes of the lines handed out so far, line ends included.
  std::uint64_t offset() const { return before_ + cursor_; }

 private:
  // The line from cursor_ to `end`, where its line break is (or the text ends).
  void Hand(TextLine& line, std::size_t end) {
    ++lines_;
    if (end - cursor_ > kLongestLine) FailLongLine();
    const std::size_t contentEnd = end > cursor_ && text_[end - 1] == '\r' ? end - 1 : end;
    const std::size_t next = end < text_.size() ? end + 1 : end;
    line.content = std::string_view(text_.data() + cursor_, contentEnd - cursor_);
    line.end = std::string_view(text_.data() + contentEnd, next - contentEnd);
    cursor_ = next;
  }
  bool NextAfterRead(TextLine& line);
  [[noreturn]] void FailLongLine() const;
  // Reads one more block after the bytes not yet handed out; returns where
  // the new bytes start.
  std::size_t Read();
  void MakeRoom(std::size_t kept);
  void SkipByteOrderMark();
  void Check(std::size_t from) const;
  long long LineOf(std::size_t offset) const;

  std::string name_;
  std::FILE* file_ = nullptr;  // null once read to its end, and for a text in memory
  std::unique_ptr<char[]> storage_;
  std::size_t capacity_ = 0;
  std::string_view text_;     // the whole text, or the part of the file at hand
  std::size_t cursor_ = 0;    // where in text_ the next line starts
  std::uint64_t before_ = 0;  // bytes dropped before text_
  long long lines_ = 0;       // lines handed out
  std::string lineEnd_;       // empty until known
  char lineBreak_ = '\n';     // lineEnd_'s last character, once known
  std::string_view byteOrderMark_;
};

}  // namespace refhost
