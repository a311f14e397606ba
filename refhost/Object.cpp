#include "refhost/Object.h"

#include <stdexcept>
#include <utility>

#include "refhost/Handles.h"

namespace refhost {

Object::Object(int uniqueID) : uniqueID_(uniqueID) {}

Object::Object(int uniqueID, const Object& source)
    : uniqueID_(uniqueID),
      name_(source.name_),
      vertices_(source.vertices_),
      extras_(source.extras_),
      refCounts_(source.refCounts_),
      elements_(source.elements_),
      visible_(source.visible_),
      intValues_(source.intValues_) {}

MQObject Object::handle() const { return handles::ObjectHandle(uniqueID_); }

const std::string& Object::name() const { return name_; }
void Object::SetName(std::string name) { name_ = std::move(name); }

const MQPoint& Object::Vertex(int index) const { return vertices_.at(index); }
void Object::SetVertex(int index, const MQPoint& point) { vertices_.at(index) = point; }

int Object::AddVertex(const MQPoint& point) {
  vertices_.push_back(point);
  refCounts_.push_back(0);
  if (!extras_.empty()) extras_.emplace_back();
  return VertexCount() - 1;
}

const VertexExtras& Object::Extras(int index) const {
  static const VertexExtras kNone;
  if (!HasVertex(index)) throw std::out_of_range("no such vertex");
  return extras_.empty() ? kNone : extras_[index];
}

void Object::SetExtras(int index, const VertexExtras& extras) {
  if (!HasVertex(index)) throw std::out_of_range("no such vertex");
  if (extras_.empty() && extras.count == 0) return;
  extras_.resize(vertices_.size());
  extras_[index] = extras;
}

const std::vector<VertexExtras>& Object::extras() const { return extras_; }

int Object::RefCount(int index) const { return refCounts_.at(index); }

const ElementList& Object::elements(ElementKind kind) const {
  return elements_[static_cast<int>(kind)];
}

const ElementList& Object::faces() const { return elements(ElementKind::Face); }

void Object::AddElement(ElementKind kind, const std::vector<Corner>& corners,
                        const SurfaceStyle& style) {
  CheckCorners(corners);
  elements_[static_cast<int>(kind)].Add(corners, style);
  for (const Corner& corner : corners) ++refCounts_[corner.vertex];
}

void Object::CheckCorners(const std::vector<Corner>& corners) const {
  const auto count = vertices_.size();
  for (const Corner& corner : corners) {
    if (static_cast<std::size_t>(corner.vertex) >= count)
      throw std::out_of_range("element corner names no vertex");
  }
}

std::uint32_t Object::visible() const { return visible_; }
void Object::SetVisible(std::uint32_t visible) { visible_ = visible; }

int Object::IntValue(int key) const {
  if (key == kObjectValueUniqueID) return uniqueID_;
  auto found = intValues_.find(key);
  return found == intValues_.end() ? 0 : found->second;
}

void Object::SetIntValue(int key, int value) {
  if (key == kObjectValueUniqueID) return;
  intValues_[key] = value;
}

int Object::uniqueID() const { return uniqueID_; }
Document* Object::document() const { return document_; }
int Object::index() const { return index_; }

void Object::PlaceIn(Document* document, int index) {
  document_ = document;
  index_ = index;
}

}  // namespace refhost
