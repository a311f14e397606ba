#include "merge/CMQObject.h"

#include <cstring>

#include "plugin/HostFunctionTable.h"

namespace cmq {
namespace {
constexpr int kNameBufferSize = 250;
}

CMQObject::~CMQObject() {
  object_ = nullptr;
  document_ = nullptr;
}

bool CMQObject::IsValid() const {
  if (object_ == nullptr || document_ == nullptr) return false;
  return HOST_FN(MQDoc_GetObjectIndex)(document_, object_) >= 0;
}

CMQObject CMQObject::Clone() const { return CMQObject(HOST_FN(MQObj_Clone)(object_), document_); }

std::string CMQObject::GetName() const {
  char buffer[kNameBufferSize] = {};
  HOST_FN(MQObj_GetName)(object_, buffer, kNameBufferSize);
  // A host that fills the whole buffer without a terminator still yields a
  // name no longer than the buffer.
  const void* terminator = std::memchr(buffer, '\0', kNameBufferSize);
  const std::size_t length =
      terminator ? static_cast<const char*>(terminator) - buffer : kNameBufferSize;
  return std::string(buffer, length);
}

}  // namespace cmq
