#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace refhost {

// The formats a model file is read and written in. A VRM avatar is binary
// glTF under another extension.
enum class ModelFormat { Obj, Gltf, Glb };

// The format the path's extension names, in any case: ".obj", ".gltf",
// ".glb" or ".vrm"; none for any other extension.
std::optional<ModelFormat> FormatNamedBy(const std::filesystem::path& path);

// The format a model's first bytes show: the binary glTF magic, JSON's
// opening brace, or OBJ text (see StartsAsObjText); none for anything else.
std::optional<ModelFormat> FormatOfContent(std::string_view head);

// By a model's bytes, for a model that has no name, such as stdin:
// FormatOfContent, OBJ for anything else, which the OBJ reader then refuses
// naming the line at fault.
ModelFormat FormatOfBytes(std::string_view bytes);

bool IsGltf(ModelFormat format);

// "OBJ", "glTF" or "binary glTF", for messages.
const char* FormatName(ModelFormat format);

// "OBJ .obj, glTF .gltf, ...": every format read, with its extensions.
std::string ReadFormatsList();

}  // namespace refhost
