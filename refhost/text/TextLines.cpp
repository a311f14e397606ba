#include "refhost/text/TextLines.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "refhost/text/LineEnds.h"
#include "refhost/text/ModelFileError.h"
#include "refhost/text/TextCheck.h"

namespace refhost {
namespace {

constexpr std::size_t kBlock = 1 << 20;

}  // namespace

TextLines::TextLines(std::string_view text, std::string name)
    : name_(std::move(name)), text_(text), lineEnd_(LineEndOf(text)), lineBreak_(lineEnd_.back()) {
  Check(0);
  SkipByteOrderMark();
}

// The line end is the first LF's, so the bytes are read up to one.
TextLines::TextLines(std::FILE* file, std::string name) : name_(std::move(name)), file_(file) {
  std::size_t from = 0;
  while (file_ != nullptr && text_.find('\n', from) == std::string_view::npos) from = Read();
  lineEnd_ = LineEndOf(text_);
  lineBreak_ = lineEnd_.back();
  SkipByteOrderMark();
}

bool TextLines::NextAfterRead(TextLine& line) {
  const void* found = nullptr;
  while (found == nullptr && file_ != nullptr) {
    Read();
    found = std::memchr(text_.data() + cursor_, lineBreak_, text_.size() - cursor_);
  }
  if (cursor_ == text_.size()) return false;
  Hand(line, found == nullptr ? text_.size() : static_cast<const char*>(found) - text_.data());
  return true;
}

void TextLines::FailLongLine() const { throw ModelFileError(name_, lines_, kLongLineFlaw); }

void TextLines::SkipByteOrderMark() {
  if (text_.substr(0, kByteOrderMark.size()) != kByteOrderMark) return;
  byteOrderMark_ = kByteOrderMark;
  cursor_ = kByteOrderMark.size();
}

std::size_t TextLines::Read() {
  const std::size_t kept = text_.size() - cursor_;
  MakeRoom(kept);
  before_ += cursor_;
  cursor_ = 0;
  const std::size_t got = std::fread(storage_.get() + kept, 1, kBlock, file_);
  text_ = std::string_view(storage_.get(), kept + got);
  if (got < kBlock) {
    if (std::ferror(file_))
      throw ModelFileError(name_, std::string("cannot read: ") + std::strerror(errno));
    file_ = nullptr;
  }
  Check(kept);
  return kept;
}

// Moves the line begun but not yet handed out to the front, with room for a
// block after it.
void TextLines::MakeRoom(std::size_t kept) {
  const char* unread = text_.data() + cursor_;
  if (kept + kBlock <= capacity_) {
    std::memmove(storage_.get(), unread, kept);
    return;
  }
  const std::size_t capacity = std::max(2 * capacity_, kept + kBlock);
  std::unique_ptr<char[]> storage(new char[capacity]);
  if (kept > 0) std::memcpy(storage.get(), unread, kept);
  storage_ = std::move(storage);
  capacity_ = capacity;
}

// Called while text_ starts at the next line to hand out.
void TextLines::Check(std::size_t from) const {
  if (const std::optional<TextFlaw> flaw = FindTextFlaw(text_, from))
    throw ModelFileError(name_, LineOf(flaw->offset), flaw->what);
}

// Before the line end is known, the bytes read so far tell it, as they would
// for the whole text.
long long TextLines::LineOf(std::size_t offset) const {
  const char lineBreak = lineEnd_.empty() ? LineEndOf(text_).back() : lineEnd_.back();
  return lines_ + 1 +
         std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(offset), lineBreak);
}

}  // namespace refhost
