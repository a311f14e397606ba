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
      refCounts_(source.refCounts_),
      faces_(source.faces_),
      textureCoords_(source.textureCoords_),
      visible_(source.visible_),
      intValues_(source.intValues_) {}

MQObject Object::handle() const { return handles::ObjectHandle(uniqueID_); }

const std::string& Object::name() const { return name_; }
void Object::SetName(std::string name) { name_ = std::move(name); }

int Object::VertexCount() const { return static_cast<int>(vertices_.size()); }
const MQPoint& Object::Vertex(int index) const { return vertices_.at(index); }
void Object::SetVertex(int index, const MQPoint& point) { vertices_.at(index) = point; }

int Object::AddVertex(const MQPoint& point) {
  vertices_.push_back(point);
  refCounts_.push_back(0);
  return VertexCount() - 1;
}

const std::vector<MQPoint>& Object::vertices() const { return vertices_; }

bool Object::HasVertex(int index) const { return index >= 0 && index < VertexCount(); }

int Object::RefCount(int index) const { return refCounts_.at(index); }
const std::vector<Face>& Object::faces() const { return faces_; }

void Object::AddFace(Face face) {
  CheckFace(face);
  for (int vertex : face.vertices) ++refCounts_[vertex];
  faces_.push_back(std::move(face));
}

void Object::CheckFace(const Face& face) const {
  for (int vertex : face.vertices) {
    if (!HasVertex(vertex)) throw std::out_of_range("face corner names no vertex");
  }
  if (face.textureCoords.empty()) return;
  if (face.textureCoords.size() != face.vertices.size())
    throw std::invalid_argument("a textured face needs one texture coordinate per corner");
  for (int uv : face.textureCoords) {
    if (uv < 0 || uv >= static_cast<int>(textureCoords_.size()))
      throw std::out_of_range("face corner names no texture coordinate");
  }
}

const std::vector<std::array<float, 2>>& Object::textureCoords() const { return textureCoords_; }

int Object::AddTextureCoord(std::array<float, 2> uv) {
  textureCoords_.push_back(uv);
  return static_cast<int>(textureCoords_.size()) - 1;
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
