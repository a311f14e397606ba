#include "refhost/model/obj/ObjWriterLineBuffer.h"

#include <algorithm>

namespace refhost {

ObjWriterLineBuffer::ObjWriterLineBuffer(const std::function<void(std::string_view)>& sink,
                                         std::string_view lineEnd)
    : sink_(sink),
      lineEndSize_(std::min(lineEnd.size(), sizeof lineEnd_)),
      buffer_(new char[kRoom]),
      end_(buffer_.get()) {
  lineEnd.copy(lineEnd_, lineEndSize_);
}

void ObjWriterLineBuffer::Flush() {
  sink_(std::string_view(buffer_.get(), static_cast<std::size_t>(end_ - buffer_.get())));
  end_ = buffer_.get();
}

// Text longer than the buffer goes to the sink as it is.
void ObjWriterLineBuffer::AppendLong(std::string_view text) {
  Flush();
  sink_(text);
}

}  // namespace refhost
