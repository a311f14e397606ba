#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/RefhostApi.h"
#include "refhost/document/ElementList.h"
#include "refhost/document/VertexExtras.h"

namespace refhost {

class Document;

// A host object. It lives as long as the Host that made it, whether or not a
// document holds it, so references handed to a plug-in never dangle.
class REFHOST_API Object {
 public:
  // Made by the object store, which hands out the unique IDs.
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
  int VertexCount() const { return vertexCount_; }
  // Vertex, SetVertex and RefCount throw std::out_of_range for a bad index.
  const MQPoint& Vertex(int index) const;
  void SetVertex(int index, const MQPoint& point);
  // For the host functions, which check the index first: the index must be
  // one that HasVertex accepts.
  void SetVertexUnchecked(int index, const MQPoint& point) { vertices_[index] = point; }
  int RefCountUnchecked(int index) const { return topology_->refCounts[index]; }
  // Appends a vertex; returns its index.
  int AddVertex(const MQPoint& point);
  // Makes room for `count` more vertices, so that a reader that knows the
  // count adds them without regrowing every per-vertex array.
  void ReserveVertices(std::size_t count);
  const std::vector<MQPoint>& vertices() const { return vertices_; }
  // Exchanges the positions with `points`, which must hold as many
  // (std::length_error otherwise): a reader fills a clone's positions
  // without copying them once more.
  void SwapVertices(std::vector<MQPoint>& points);
  // A negative index wraps to a count that no object reaches.
  bool HasVertex(int index) const {
    return static_cast<unsigned>(index) < static_cast<unsigned>(vertexCount_);
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
  // Makes room for `elements` more elements of the kind with `corners`
  // corners in all.
  void ReserveElements(ElementKind kind, std::size_t elements, std::size_t corners);

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
  void CheckVertex(int index) const;
  void CheckCorners(const std::vector<Corner>& corners) const;

  // The elements and the reference counts they make. A clone shares them
  // until either object changes them, so that cloning a large object copies
  // only its vertices.
  struct Topology {
    std::vector<int> refCounts;
    std::array<ElementList, std::size(kElementKinds)> elements;
  };
  // This object's own topology, copied first if a clone shares it.
  Topology& OwnTopology();

  int uniqueID_;
  Document* document_ = nullptr;
  int index_ = -1;
  std::string name_;
  std::vector<MQPoint> vertices_;
  // vertices_.size(), kept so that the per-vertex index check is one comparison.
  int vertexCount_ = 0;
  // Empty while no vertex has extras.
  std::vector<VertexExtras> extras_;
  std::shared_ptr<Topology> topology_;
  // All bits set: shown, as a new object in the host is.
  std::uint32_t visible_ = 0xFFFFFFFFu;
  std::map<int, int> intValues_;
};

}  // namespace refhost
