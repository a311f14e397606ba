#pragma once

#include <string>
#include <vector>

#include "refhost/Object.h"

namespace refhost {

// A document: a list of object positions (a position may be empty), the
// current object's index, and lookups by unique ID in constant time.
class Document {
 public:
  // The document's handle as the host functions take it, and back.
  MQDocument handle();
  static Document* FromHandle(MQDocument handle);

  int ObjectCount() const;               // positions, empty ones included
  Object* ObjectAt(int index) const;     // null for an empty or out-of-range position
  Object* FindByUniqueID(int id) const;  // null when none
  int IndexOf(const Object* object) const;  // -1 when this document does not hold it

  // Appends a new object; returns it.
  Object& AddObject(std::string name);
  // Appends an empty position.
  void AddEmptyPosition();
  // Places `object` (in no document) right after `reference`, or at the end
  // when `reference` is not held here.
  void InsertAfter(Object& object, const Object* reference);
  // Takes the object out of the document; it stays alive for stale handles.
  void Remove(Object& object);

  int currentIndex() const;
  void SetCurrentIndex(int index);
};

}  // namespace refhost
