#pragma once

#include <string>

#include "refhost/text/ModelFileError.h"

namespace refhost {

// A flaw at a place in a glTF asset: "model.gltf: /meshes/0/primitives/1/indices: what".
inline ModelFileError GltfError(const std::string& file, const std::string& pointer,
                                const std::string& what) {
  return ModelFileError::AtPointer(file, pointer, what);
}

}  // namespace refhost
