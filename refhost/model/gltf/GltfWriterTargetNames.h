#pragma once

#include <cstddef>
#include <string>

#include "refhost/model/gltf/GltfJson.h"

namespace refhost {

// Names morph target `target` of `mesh` in extras.targetNames, which is made
// (its other `targets` entries the names they read as unnamed) when the
// mesh names none. ModelFileError naming `file` when the mesh's extras is no
// object, since the name would have nowhere to go, and when another target
// of the mesh bears the name, since readers would tell them apart at will.
void NameMorphTarget(GltfJson& mesh, std::size_t target, std::size_t targets,
                     const std::string& name, const std::string& file, const std::string& pointer);

}  // namespace refhost
