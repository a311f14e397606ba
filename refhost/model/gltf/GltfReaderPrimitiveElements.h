#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "refhost/document/Object.h"

namespace refhost {

// Where one primitive's vertices sit among its mesh object's vertices.
struct GltfPrimitiveSlice {
  int first = 0;
  int count = 0;
};

// Adds a primitive's elements to its mesh's object: triangles, strips and fans
// as triangle faces wound as glTF draws them, lines and line strips and loops
// as lines, points as one point element, so that a blend moves every vertex
// the primitive draws. `indices` (or, when empty and not `indexed`, the
// vertices in order) are checked against the slice; a flaw throws
// ModelFileError naming `file` and `pointer`, the primitive's JSON pointer.
void AddPrimitiveElements(Object& object, int mode, const std::vector<std::uint32_t>& indices,
                          bool indexed, GltfPrimitiveSlice slice, const std::string& file,
                          const std::string& pointer);

}  // namespace refhost
