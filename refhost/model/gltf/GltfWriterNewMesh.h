#pragma once

#include <string>

#include "refhost/document/Object.h"
#include "refhost/model/gltf/GltfWriterAppender.h"

namespace refhost {

// Appends the object as a new mesh of one primitive, named after it: its
// vertices, and its faces as triangles (fans of the polygons), or its
// vertices as points when it has no faces; and a node showing the mesh in
// the default scene. ModelFileError naming `file` for an object without
// vertices, which glTF cannot hold.
void AddNewMesh(GltfWriterAppender& appender, const Object& object, const std::string& file);

}  // namespace refhost
