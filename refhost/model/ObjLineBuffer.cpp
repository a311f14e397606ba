#include "refhost/model/ObjLineBuffer.h"

#include <utility>

namespace refhost {

ObjLineBuffer::ObjLineBuffer(const std::function<void(std::string_view)>& sink, std::string lineEnd)
    : sink_(sink), lineEnd_(std::move(lineEnd)) {
  buffer_.reserve(kFlushSize + kNumberRoom);
}

void ObjLineBuffer::Flush() {
  sink_(buffer_);
  buffer_.clear();
}

}  // namespace refhost
