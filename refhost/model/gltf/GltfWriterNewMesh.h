#pragma once

#include <string>

#include "refhost/document/Object.h"
#include "refhost/model/gltf/GltfWriterContext.h"

namespace refhost {

// Appends the object as a new mesh of one primitive, named after it: its
// vertices, and its faces as triangles (fans of the polygons), or its
// vertices as points when it has no faces; and a node showing the mesh in
// the default scene. ModelFileError naming the output for an object without
// vertices, which glTF cannot hold.
void AddNewMesh(const GltfWriterContext& context, const Object& object);

}  // namespace refhost
