#include "refhost/document/Document.h"

#include <stdexcept>
#include <utility>

#include "refhost/document/Handles.h"

namespace refhost {

Document::Document(ObjectStore& objects, int serial) : objects_(objects), serial_(serial) {}

MQDocument Document::handle() const { return handles::DocumentHandle(serial_); }

int Document::ObjectCount() const { return static_cast<int>(positions_.size()); }

Object* Document::ObjectAt(int index) const {
  if (index < 0 || index >= ObjectCount()) return nullptr;
  return positions_[index];
}

Object* Document::FindByUniqueID(int id) const {
  Object* object = objects_.ObjectByUniqueID(id);
  return object != nullptr && object->document() == this ? object : nullptr;
}

int Document::IndexOf(const Object* object) const {
  return object != nullptr && object->document() == this ? object->index() : -1;
}

Object& Document::AddObject(std::string name) {
  Object& object = objects_.NewObject();
  object.SetName(std::move(name));
  object.PlaceIn(this, ObjectCount());
  positions_.push_back(&object);
  return object;
}

void Document::AddEmptyPosition() { positions_.push_back(nullptr); }

int Document::InsertAfter(Object& object, const Object* reference) {
  if (object.document() != nullptr)
    throw std::invalid_argument("the object is already held by a document");
  const int referenceIndex = IndexOf(reference);
  const int index = referenceIndex < 0 ? ObjectCount() : referenceIndex + 1;
  positions_.insert(positions_.begin() + index, &object);
  for (int later = index; later < ObjectCount(); ++later) {
    if (positions_[later] != nullptr) positions_[later]->PlaceIn(this, later);
  }
  if (currentIndex_ >= index) ++currentIndex_;
  return index;
}

void Document::Remove(Object& object) {
  const int index = IndexOf(&object);
  if (index < 0) return;
  positions_[index] = nullptr;
  object.PlaceIn(nullptr, -1);
}

int Document::currentIndex() const { return currentIndex_; }
void Document::SetCurrentIndex(int index) { currentIndex_ = index; }

NameTable& Document::materials() { return materials_; }
const NameTable& Document::materials() const { return materials_; }
NameTable& Document::groups() { return groups_; }
const NameTable& Document::groups() const { return groups_; }

void Document::NoteMix(int made, MorphMix mix) { mixes_[made] = std::move(mix); }

const MorphMix* Document::MixOf(int made) const {
  const auto found = mixes_.find(made);
  return found == mixes_.end() ? nullptr : &found->second;
}

}  // namespace refhost
