#pragma once

#include <string>

#include "abi/HostApi.h"

namespace cmq {

// An object reference paired with the document that holds it. The handle
// never owns the host object: copying or destroying it changes nothing in the
// host, and IsValid asks whether the document still holds the object.
class CMQObject {
 public:
  CMQObject() = default;
  CMQObject(MQObject object, MQDocument document) : object_(object), document_(document) {}
  CMQObject(const CMQObject&) = default;
  CMQObject& operator=(const CMQObject&) = default;
  virtual ~CMQObject();

  MQObject object() const { return object_; }
  MQDocument document() const { return document_; }

  // Asks the host only when both references are set.
  bool IsValid() const;

  // A new host object copied from this one, in no document yet.
  CMQObject Clone() const;

  // The name as the host writes it into a 250-byte buffer, up to its first
  // zero byte or the buffer's end.
  std::string GetName() const;

 private:
  MQObject object_ = nullptr;
  MQDocument document_ = nullptr;
};

}  // namespace cmq
