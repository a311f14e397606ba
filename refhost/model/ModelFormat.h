#pragma once

#include <filesystem>
#include <string_view>

namespace refhost {

// The formats a model file is read and written in.
enum class ModelFormat { Obj, Gltf, Glb };

// By the path's extension, in any case: ".gltf", ".glb", else OBJ.
ModelFormat FormatOfPath(const std::filesystem::path& path);

// By a model's first bytes, for a model that has no name, such as stdin: the
// binary glTF magic, or JSON's opening brace, else OBJ.
ModelFormat FormatOfBytes(std::string_view bytes);

bool IsGltf(ModelFormat format);

// "OBJ", "glTF" or "binary glTF", for messages.
const char* FormatName(ModelFormat format);

}  // namespace refhost
