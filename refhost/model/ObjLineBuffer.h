#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace refhost {

// The text of an OBJ file being written, gathered in a buffer and handed to
// `sink` in pieces of about a megabyte. Numbers are written in the shortest
// form that reads back to the same bits. The per-number members are defined
// here, so that writing a number costs no call.
class ObjLineBuffer {
 public:
  ObjLineBuffer(const std::function<void(std::string_view)>& sink, std::string lineEnd);

  void Append(std::string_view text) { buffer_.append(text); }
  void Append(char c) { buffer_ += c; }

  // A float after a blank.
  void AppendFloat(float value) {
    char text[kNumberRoom];
    text[0] = ' ';
    auto result = std::to_chars(text + 1, text + sizeof text, value);
    buffer_.append(text, result.ptr);
  }

  void AppendNumber(std::uint64_t value) {
    char text[kNumberRoom];
    auto result = std::to_chars(text, text + sizeof text, value);
    buffer_.append(text, result.ptr);
  }

  void EndLine() {
    buffer_ += lineEnd_;
    if (buffer_.size() >= kFlushSize) Flush();
  }

  // Hands what is left to the sink.
  void Flush();

 private:
  static constexpr std::size_t kFlushSize = 1 << 20;
  // Room for one number: a float needs at most 15 characters in its
  // shortest form, an integer 20.
  static constexpr std::size_t kNumberRoom = 32;

  const std::function<void(std::string_view)>& sink_;
  const std::string lineEnd_;
  std::string buffer_;
};

}  // namespace refhost
