#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/ElementList.h"
#include "refhost/RefhostApi.h"
#include "refhost/VertexExtras.h"

namespace refhost {

class Document;

// A host object. It lives as long as the Host that made it, whether or not a
// document holds it, so references handed to a plug-in never dangle.
class REFHOST_API Object {
 public:
  // Made by the Host, which hands out the unique IDs.
  explicit Object(int uniqueID);
  // A copy of everything but the unique ID and the document (MQObj_Clone).
  Object(int uniqueID, const Object& source);
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;

  // The object's reference as the host functions take it.
  MQObject handle() const;

  const std::string& name() const;
  void SetName(std::string name);

  // The per-vertex accessors are defined here so that the host functions,
  // called once per vertex, inline them.
  int VertexCount() const { return static_cast<int>(vertices_.size()); }
  // Vertex, SetVertex and RefCount throw std::out_of_range for a bad index.
  const MQPoint& Vertex(int index) const;
  void SetVertex(int index, const MQPoint& point);
  // For the host functions, which check the index first: the index must be
  // one that HasVertex accepts.
  void SetVertexUnchecked(int index, const MQPoint& point) { vertices_[index] = point; }
  int RefCountUnchecked(int index) const { return refCounts_[index]; }
  // Appends a vertex; returns its index.
  int AddVertex(const MQPoint& point);
  const std::vector<MQPoint>& vertices() const { return vertices_; }
  // Compared in bytes, so that the check shares the copy's address arithmetic;
  // a negative index wraps to a size that no array reaches.
  bool HasVertex(int index) const {
    return static_cast<std::size_t>(index) * sizeof(MQPoint) < vertices_.size() * sizeof(MQPoint);
  }

  // Extras and SetExtras throw std::out_of_range for a bad index.
  const VertexExtras& Extras(int index) const;
  void SetExtras(int index, const VertexExtras& extras);
  // One per vertex, or empty while no vertex has extras.
  const std::vector<VertexExtras>& extras() const;

  // Number of element corners (of faces, lines and points) that use the
  // vertex; 0 for one that nothing uses.
  int RefCount(int index) const;
  const ElementList& elements(ElementKind kind) const;
  const ElementList& faces() const;
  // Appends an element; throws std::out_of_range unless every corner names a
  // vertex of this object.
  void AddElement(ElementKind kind, const std::vector<Corner>& corners,
                  const SurfaceStyle& style = {});

  std::uint32_t visible() const;
  void SetVisible(std::uint32_t visible);
  // Integer values by key; 0x104 is the unique ID, read-only, and a key never
  // set reads 0.
  int IntValue(int key) const;
  void SetIntValue(int key, int value);
  int uniqueID() const;

  // The document holding the object and its index there; null and -1 when
  // no document holds it.
  Document* document() const;
  int index() const;

 private:
  friend class Document;
  void PlaceIn(Document* document, int index);
  void CheckCorners(const std::vector<Corner>& corners) const;

  int uniqueID_;
  Document* document_ = nullptr;
  int index_ = -1;
  std::string name_;
  std::vector<MQPoint> vertices_;
  // Empty while no vertex has extras.
  std::vector<VertexExtras> extras_;
  // Kept beside the elements so that the per-vertex query costs one load.
  std::vector<int> refCounts_;
  std::array<ElementList, std::size(kElementKinds)> elements_;
  // All bits set: shown, as a new object in the host is.
  std::uint32_t visible_ = 0xFFFFFFFFu;
  std::map<int, int> intValues_;
};

}  // namespace refhost
