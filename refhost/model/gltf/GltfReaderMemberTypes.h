#pragma once

#include <string>

#include "refhost/model/gltf/GltfJson.h"

namespace refhost {

// Checks, before the asset is loaded, the type of every member that reading
// or writing uses (node meshes, weights and children, mesh primitives,
// weights and target names, scenes, animation channels and samplers, buffers,
// views and accessors, an avatar's expressions), so that writing never meets
// a member it cannot read.
// A member of the wrong type throws ModelFileError naming `file`, the
// member's JSON pointer and the type it must have; members that the tool
// never uses are not looked at.
void CheckMemberTypes(const GltfJson& asset, const std::string& file);

}  // namespace refhost
