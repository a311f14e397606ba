#pragma once

#include "merge/CMQObject.h"

namespace cmq {

// The document of the current command. Each lookup hands out a handle bound
// to this document, whatever the host answered; callers test it with IsValid.
class CMQDocument {
 public:
  CMQDocument() = default;
  explicit CMQDocument(MQDocument document) : document_(document) {}

  MQDocument handle() const { return document_; }

  CMQObject GetCurrentObject() const;
  CMQObject GetObjectAt(int index) const;
  CMQObject GetObjectFromUniqueID(int uniqueID) const;

 private:
  MQDocument document_ = nullptr;
};

}  // namespace cmq
