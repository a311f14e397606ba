#pragma once

#include <charconv>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace refhost {

// The text of an OBJ file being written, gathered in a buffer and handed to
// `sink` in pieces of about a megabyte. Numbers are written in the shortest
// form that reads back to the same bits, straight into the buffer. The
// per-number members are defined here, so that writing a number costs no
// call.
class ObjWriterLineBuffer {
 public:
  // `lineEnd` is "\n", "\r\n" or "\r".
  ObjWriterLineBuffer(const std::function<void(std::string_view)>& sink, std::string_view lineEnd);

  void Append(std::string_view text) {
    if (text.size() > kRoom) return AppendLong(text);
    MakeRoom(text.size());
    std::memcpy(end_, text.data(), text.size());
    end_ += text.size();
  }

  void Append(char c) {
    MakeRoom(1);
    *end_++ = c;
  }

  // A float after a blank.
  void AppendFloat(float value) {
    MakeRoom(kNumberRoom);
    *end_++ = ' ';
    end_ = std::to_chars(end_, end_ + kNumberRoom - 1, value).ptr;
  }

  // `separator` and `value`, written two digits at a time from the end, as
  // std::to_chars does, but inline.
  void AppendNumber(char separator, std::uint64_t value) {
    MakeRoom(kNumberRoom);
    *end_ = separator;
    char* digit = end_ + 1 + DigitCount(value);
    end_ = digit;
    for (; value >= 100; value /= 100) {
      digit -= 2;
      std::memcpy(digit, kDigitPairs + 2 * (value % 100), 2);
    }
    if (value < 10) {
      digit[-1] = static_cast<char>('0' + value);
      return;
    }
    std::memcpy(digit - 2, kDigitPairs + 2 * value, 2);
  }

  void EndLine() {
    MakeRoom(sizeof lineEnd_);
    std::memcpy(end_, lineEnd_, sizeof lineEnd_);
    end_ += lineEndSize_;
  }

  // Hands what is gathered to the sink.
  void Flush();

 private:
  static constexpr std::size_t kRoom = 1 << 20;
  // Room for one number and the separator before it: a float needs at most
  // 15 characters in its shortest form, an integer 20.
  static constexpr std::size_t kNumberRoom = 32;

  static constexpr char kDigitPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";

  static int DigitCount(std::uint64_t value) {
    int count = 1;
    for (; value >= 10000; value /= 10000) count += 4;
    return count + (value >= 10) + (value >= 100) + (value >= 1000);
  }

  void MakeRoom(std::size_t bytes) {
    if (static_cast<std::size_t>(buffer_.get() + kRoom - end_) < bytes) Flush();
  }
  void AppendLong(std::string_view text);

  const std::function<void(std::string_view)>& sink_;
  char lineEnd_[2] = {};  // "\n", "\r\n" or "\r"
  std::size_t lineEndSize_;
  std::unique_ptr<char[]> buffer_;
  char* end_;
};

}  // namespace refhost
