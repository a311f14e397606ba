#include "refhost/document/Object.h"

#include <stdexcept>
#include <utility>

#include "refhost/document/Handles.h"

namespace refhost {

Object::Object(int uniqueID) : uniqueID_(uniqueID), topology_(std::make_shared<Topology>()) {}

Object::Object(int uniqueID, const Object& source)
    : uniqueID_(uniqueID),
      name_(source.name_),
      vertices_(source.vertices_),
      vertexCount_(source.vertexCount_),
      extras_(source.extras_),
      topology_(source.topology_),
      visible_(source.visible_),
      intValues_(source.intValues_) {}

MQObject Object::handle() const { return handles::ObjectHandle(uniqueID_); }

const std::string& Object::name() const { return name_; }
void Object::SetName(std::string name) { name_ = std::move(name); }

const MQPoint& Object::Vertex(int index) const {
  CheckVertex(index);
  return vertices_[index];
}

void Object::SetVertex(int index, const MQPoint& point) {
  CheckVertex(index);
  vertices_[index] = point;
}

// Counted last, so that an addition that fails leaves every per-vertex array
// at least as long as the count.
int Object::AddVertex(const MQPoint& point) {
  OwnTopology().refCounts.push_back(0);
  vertices_.push_back(point);
  if (!extras_.empty()) extras_.emplace_back();
  return vertexCount_++;
}

void Object::SwapVertices(std::vector<MQPoint>& points) {
  if (points.size() != vertices_.size())
    throw std::length_error("SwapVertices: " + std::to_string(points.size()) + " points for " +
                            std::to_string(vertices_.size()) + " vertices");
  vertices_.swap(points);
}

void Object::ReserveVertices(std::size_t count) {
  std::vector<int>& refCounts = OwnTopology().refCounts;
  refCounts.reserve(refCounts.size() + count);
  vertices_.reserve(vertices_.size() + count);
}

const VertexExtras& Object::Extras(int index) const {
  static const VertexExtras kNone;
  CheckVertex(index);
  return extras_.empty() ? kNone : extras_[index];
}

void Object::SetExtras(int index, const VertexExtras& extras) {
  CheckVertex(index);
  if (extras_.empty() && extras.count == 0) return;
  extras_.resize(vertexCount_);
  extras_[index] = extras;
}

const std::vector<VertexExtras>& Object::extras() const { return extras_; }

int Object::RefCount(int index) const {
  CheckVertex(index);
  return topology_->refCounts[index];
}

const ElementList& Object::elements(ElementKind kind) const {
  return topology_->elements[static_cast<int>(kind)];
}

const ElementList& Object::faces() const { return elements(ElementKind::Face); }

void Object::AddElement(ElementKind kind, const std::vector<Corner>& corners,
                        const SurfaceStyle& style) {
  CheckCorners(corners);
  Topology& topology = OwnTopology();
  // Counted once the element is kept, so that one that fails counts nothing.
  topology.elements[static_cast<int>(kind)].Add(corners, style);
  for (const Corner& corner : corners) ++topology.refCounts[corner.vertex];
}

void Object::ReserveElements(ElementKind kind, std::size_t elements, std::size_t corners) {
  OwnTopology().elements[static_cast<int>(kind)].Reserve(elements, corners);
}

Object::Topology& Object::OwnTopology() {
  if (topology_.use_count() > 1) topology_ = std::make_shared<Topology>(*topology_);
  return *topology_;
}

void Object::CheckVertex(int index) const {
  if (!HasVertex(index)) throw std::out_of_range("no such vertex");
}

void Object::CheckCorners(const std::vector<Corner>& corners) const {
  for (const Corner& corner : corners) {
    if (!HasVertex(corner.vertex)) throw std::out_of_range("element corner names no vertex");
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
