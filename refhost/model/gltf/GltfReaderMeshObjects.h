#pragma once

#include <tiny_gltf.h>

#include <string>
#include <vector>

#include "refhost/document/Document.h"
#include "refhost/model/gltf/GltfReaderPrimitiveElements.h"

namespace refhost {

// A mesh and the document's objects made of it, by unique ID: one for the
// mesh and one per morph target, with their names as read.
struct GltfMeshObjects {
  int mesh = 0;
  int base = 0;
  std::string baseName;
  std::vector<int> targets;
  std::vector<std::string> targetNames;
  std::vector<GltfPrimitiveSlice> primitives;

  // The morph target that the object with unique ID `object` was read
  // from; -1 when it is none of this mesh's.
  int TargetIndex(int object) const;
};

// Appends one object per mesh, named after the mesh ("mesh<i>" when unnamed,
// "_2", "_3", ... appended when the name is taken), holding the POSITION
// values and elements of all its primitives in order; after each, one object
// per morph target, "elem:" + the target's name ("-" made "_") + "-" + the
// mesh object's core name, holding base + delta for every vertex and the same
// elements. A flaw throws ModelFileError naming `file` and the JSON pointer.
std::vector<GltfMeshObjects> AddMeshObjects(const tinygltf::Model& model, const std::string& file,
                                            Document& document);

// The name of morph target `target` of a mesh: extras.targetNames[target],
// or "target_<target>" when the mesh names none.
std::string GltfTargetName(const tinygltf::Mesh& mesh, int target);

}  // namespace refhost
