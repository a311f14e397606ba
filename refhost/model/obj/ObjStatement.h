#pragma once

#include <cstddef>
#include <cstdint>

#include "refhost/document/Element.h"

namespace refhost {

// One entry of an OBJ file's statement list, in file order. The document
// holds the objects' names, vertices and elements; the list says where they
// stood among the lines that the document does not hold, whose text it
// keeps.
struct ObjStatement {
  enum class Kind : std::uint8_t {
    Text,             // lines kept as they were: comments, blank lines, vt, vn
                      // and everything else the document has no use for;
                      // `number` is how many of them are vn lines
    MaterialLibrary,  // an mtllib line: its names follow the output's folder
    Material,         // usemtl, g and s lines, kept as they were; `number` is
    Group,            // the material, group or smoothing group they set
    Smoothing,
    NamedObject,    // an o line, kept; `number` is the object's unique ID
    UnnamedObject,  // where the object of elements before any o line began
    Vertices,       // `number` v lines of the current object in a row
    Elements,       // `number` lines of `element` kind in a row
  };

  Kind kind;
  ElementKind element = ElementKind::Face;
  int number = 0;
  // Where the statement's text is in the ObjFile's keptText: the lines
  // themselves, or for a run the comment that ends its last line (none when
  // empty).
  std::size_t offset = 0;
  std::size_t length = 0;
};

}  // namespace refhost
