#include "refhost/model/ObjLineBuffer.h"

#include <charconv>
#include <utility>

namespace refhost {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;

// Room for one number: a float needs at most 15 characters in its shortest
// form, an integer 20.
constexpr std::size_t kNumberRoom = 32;

}  // namespace

ObjLineBuffer::ObjLineBuffer(const std::function<void(std::string_view)>& sink, std::string lineEnd)
    : sink_(sink), lineEnd_(std::move(lineEnd)) {
  buffer_.reserve(kFlushSize + kNumberRoom);
}

void ObjLineBuffer::AppendFloat(float value) {
  char text[kNumberRoom];
  text[0] = ' ';
  auto result = std::to_chars(text + 1, text + sizeof text, value);
  buffer_.append(text, result.ptr);
}

void ObjLineBuffer::AppendNumber(std::uint64_t value) {
  char text[kNumberRoom];
  auto result = std::to_chars(text, text + sizeof text, value);
  buffer_.append(text, result.ptr);
}

void ObjLineBuffer::EndLine() {
  buffer_ += lineEnd_;
  if (buffer_.size() >= kFlushSize) Flush();
}

void ObjLineBuffer::Flush() {
  sink_(buffer_);
  buffer_.clear();
}

}  // namespace refhost
