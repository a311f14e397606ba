#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace refhost {

// The text of an OBJ file being written, gathered in a buffer and handed to
// `sink` in pieces of about a megabyte. Numbers are written in the shortest
// form that reads back to the same bits.
class ObjLineBuffer {
 public:
  ObjLineBuffer(const std::function<void(std::string_view)>& sink, std::string lineEnd);

  void Append(std::string_view text) { buffer_.append(text); }
  void Append(char c) { buffer_ += c; }
  // A float after a blank.
  void AppendFloat(float value);
  void AppendNumber(std::uint64_t value);
  void EndLine();
  // Hands what is left to the sink.
  void Flush();

 private:
  const std::function<void(std::string_view)>& sink_;
  const std::string lineEnd_;
  std::string buffer_;
};

}  // namespace refhost
