#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "plugin/HostApi.h"

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
class Object {
 public:
  const std::string& name() const;
  void SetName(std::string name);

  int VertexCount() const;
  const MQPoint& Vertex(int index) const;
  void SetVertex(int index, const MQPoint& point);
  // Appends a vertex; returns its index.
  int AddVertex(const MQPoint& point);
  const std::vector<MQPoint>& vertices() const;

  // Number of face corners that use the vertex; 0 for an unused one.
  int RefCount(int index) const;
  const std::vector<Face>& faces() const;
  // Appends a face; every index must be in range.
  void AddFace(Face face);

  const std::vector<std::array<float, 2>>& textureCoords() const;
  int AddTextureCoord(std::array<float, 2> uv);

  std::uint32_t visible() const;
  void SetVisible(std::uint32_t visible);
  // Integer values by key; 0x104 is the unique ID, read-only.
  int IntValue(int key) const;
  void SetIntValue(int key, int value);
  int uniqueID() const;

  // The document holding the object and its index there; null and -1 when
  // no document holds it.
  Document* document() const;
  int index() const;
};

}  // namespace refhost
