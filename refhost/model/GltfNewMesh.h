#pragma once

#include <string>

#include "refhost/Object.h"
#include "refhost/model/GltfAppender.h"

namespace refhost {

// Appends the object as a new mesh of one primitive, named after it: its
// vertices, and its faces as triangles (fans of the polygons), or its
// vertices as points when it has no faces; and a node showing the mesh in
// the default scene. ModelFileError naming `file` for an object without
// vertices, which glTF cannot hold.
void AddNewMesh(GltfAppender& appender, const Object& object, const std::string& file);

}  // namespace refhost
