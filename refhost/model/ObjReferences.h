#pragma once

#include <string>
#include <string_view>

#include "refhost/Element.h"
#include "refhost/model/ObjReadPosition.h"

namespace refhost {

// How far an OBJ file has numbered its v, vt and vn lines, and the corners of
// elements, which refer to those lines by number: from 1, or negative counting
// back from the last one read. A flaw throws ModelFileError naming the file
// and the line being read.
class ObjReferences {
 public:
  explicit ObjReferences(const ObjReadPosition& position) : position_(position) {}

  // The vertices of the object named `name` begin with the next v line; its
  // elements may use no vertex before them. `name` must outlive its object.
  void StartObject(const std::string& name);
  void CountVertex() { ++vertices_.defined; }
  void CountTextureCoord() { ++textureCoords_.defined; }
  void CountNormal() { ++normals_.defined; }
  long long textureCoords() const { return textureCoords_.defined; }
  long long normals() const { return normals_.defined; }

  // "v", "v/vt", "v/vt/vn" or "v//vn" as a corner of a `kind` element: its
  // vertex counted in its object, its texture coordinate and normal in the
  // file.
  Corner ReadCorner(std::string_view word, ElementKind kind) const;

 private:
  struct Numbering {
    const char* noun;    // "vertex"
    const char* plural;  // "vertices"
    long long defined = 0;
    long long objectStart = 0;
  };

  int Resolve(std::string_view number, const Numbering& numbering, std::string_view corner,
              ElementKind kind) const;
  [[noreturn]] void FailReference(std::string_view number, long long reference,
                                  const Numbering& numbering, ElementKind kind) const;

  const ObjReadPosition& position_;
  const std::string* objectName_ = nullptr;
  Numbering vertices_{"vertex", "vertices"};
  Numbering textureCoords_{"texture coordinate", "texture coordinates"};
  Numbering normals_{"normal", "normals"};
};

}  // namespace refhost
