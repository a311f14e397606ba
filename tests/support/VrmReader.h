#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

#include "refhost/model/gltf/GltfJson.h"
#include "tests/support/NodeScript.h"

// What a program that shows avatars reads of the avatar `file`: its
// expressions, each a list of morph target binds ({"index", "weight",
// "meshes"}), and the loader's warnings, as tools/vrm-reader's
// read-expressions.mjs prints them; throws when the file loads as no avatar.
inline refhost::GltfJson VrmReaderExpressions(const std::filesystem::path& file) {
  const NodeScriptResult result = RunNodeScript("vrm-reader/read-expressions.mjs", file);
  if (result.status != 0) throw std::runtime_error(result.output);
  return refhost::GltfJson::parse(result.output);
}
