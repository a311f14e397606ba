#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "refhost/RefhostApi.h"
#include "refhost/document/MorphMix.h"
#include "refhost/document/NameTable.h"
#include "refhost/document/Object.h"
#include "refhost/document/ObjectStore.h"

namespace refhost {

// A document: a list of object positions (a position may be empty), the
// current object's index, and lookups by unique ID in constant time.
class REFHOST_API Document {
 public:
  // Made by the host; `serial` numbers the documents from 1.
  Document(ObjectStore& objects, int serial);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // The document's handle as the host functions take it.
  MQDocument handle() const;

  int ObjectCount() const;                  // positions, empty ones included
  Object* ObjectAt(int index) const;        // null for an empty or out-of-range position
  Object* FindByUniqueID(int id) const;     // null when none
  int IndexOf(const Object* object) const;  // -1 when this document does not hold it

  // Appends a new object; returns it.
  Object& AddObject(std::string name);
  // Appends an empty position.
  void AddEmptyPosition();
  // Places `object` right after `reference`, or at the end when `reference`
  // is not held here, and returns its index; the objects behind it move up
  // one place and the current object stays current. Throws
  // std::invalid_argument when a document already holds `object`.
  int InsertAfter(Object& object, const Object* reference);
  // Takes the object out of the document, leaving its position empty as the
  // host does until it compacts; the object stays alive for stale handles.
  void Remove(Object& object);

  int currentIndex() const;
  void SetCurrentIndex(int index);

  // The names that elements' styles refer to by number.
  NameTable& materials();
  const NameTable& materials() const;
  NameTable& groups();
  const NameTable& groups() const;

  // How the object `made` (by unique ID) was mixed, so that writing it can
  // mix what the document does not hold; null when no mix was noted.
  void NoteMix(int made, MorphMix mix);
  const MorphMix* MixOf(int made) const;

 private:
  ObjectStore& objects_;
  int serial_;
  std::vector<Object*> positions_;
  int currentIndex_ = -1;
  NameTable materials_;
  NameTable groups_;
  std::unordered_map<int, MorphMix> mixes_;
};

}  // namespace refhost
