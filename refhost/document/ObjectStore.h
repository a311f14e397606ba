#pragma once

namespace refhost {

class Object;

// Where documents keep their objects: an object outlives its place in a
// document (a plug-in may still hold its handle), and unique IDs are counted
// across all documents, so objects are made and found here, not in one
// document.
class ObjectStore {
 public:
  // A new object in no document, with the next unique ID.
  virtual Object& NewObject() = 0;
  // The object with unique ID `id`, null when none.
  virtual Object* ObjectByUniqueID(int id) const = 0;

 protected:
  ~ObjectStore() = default;
};

}  // namespace refhost
