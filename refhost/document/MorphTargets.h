#pragma once

#include <cstddef>
#include <string>

#include "abi/MorphNaming.h"
#include "refhost/document/Object.h"

// How the host's files and pictures tell a base's morph targets, by the naming
// convention the plug-in uses too. The plug-in finds targets on its own,
// through the host functions.
namespace refhost {

// Whether `candidate` is a morph target of `base`: named as one, and with as
// many vertices, so that it can be blended with the base vertex for vertex.
inline bool IsMorphTargetOf(const Object& base, const Object& candidate) {
  return candidate.VertexCount() == base.VertexCount() &&
         IsMorphTargetName(GetCoreName(base.name()), candidate.name());
}

// The morph name in a target's name "elem:<morph>-<core>", the inverse of
// ComposeTargetName.
inline std::string MorphNameOf(const std::string& targetName) {
  using namespace morph_naming;
  const std::size_t dash = targetName.find(kCoreSeparator, kTargetPrefixLength);
  return targetName.substr(kTargetPrefixLength, dash - kTargetPrefixLength);
}

// The morph name of target `k` of a mesh that names none.
inline std::string UnnamedTargetName(std::size_t k) { return "target_" + std::to_string(k); }

}  // namespace refhost
