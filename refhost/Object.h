#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/RefhostApi.h"

namespace refhost {

class Document;

// A polygon: indices into its object's vertices and, when the face carries
// texture coordinates, as many indices into the object's texture coordinates.
struct Face {
  std::vector<int> vertices;
  std::vector<int> textureCoords;
};

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

  int VertexCount() const;
  // Vertex, SetVertex and RefCount throw std::out_of_range for a bad index.
  const MQPoint& Vertex(int index) const;
  void SetVertex(int index, const MQPoint& point);
  // Appends a vertex; returns its index.
  int AddVertex(const MQPoint& point);
  const std::vector<MQPoint>& vertices() const;
  bool HasVertex(int index) const;

  // Number of face corners that use the vertex; 0 for an unused one.
  int RefCount(int index) const;
  const std::vector<Face>& faces() const;
  // Appends a face; throws std::out_of_range unless every index is in range
  // and std::invalid_argument when its texture coordinates do not match its
  // corners.
  void AddFace(Face face);

  const std::vector<std::array<float, 2>>& textureCoords() const;
  int AddTextureCoord(std::array<float, 2> uv);

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
  void CheckFace(const Face& face) const;

  int uniqueID_;
  Document* document_ = nullptr;
  int index_ = -1;
  std::string name_;
  std::vector<MQPoint> vertices_;
  // Kept beside the faces so that the per-vertex query costs one load.
  std::vector<int> refCounts_;
  std::vector<Face> faces_;
  std::vector<std::array<float, 2>> textureCoords_;
  // All bits set: shown, as a new object in the host is.
  std::uint32_t visible_ = 0xFFFFFFFFu;
  std::map<int, int> intValues_;
};

}  // namespace refhost
