#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "refhost/Document.h"
#include "refhost/model/Progress.h"

namespace refhost {

// Wavefront OBJ input. Each "o NAME" starts an object and the "v" and "vt"
// lines after it are its vertices and texture coordinates, in order; "f"
// lines use OBJ's file-wide numbering (from 1, or negative counting back) and
// may use only their own object's vertices. Normals, groups, smoothing and
// materials are skipped. Vertices before any "o" line form an object named
// `defaultObjectName`. Objects are appended to `document` in file order.
//
// A flaw throws ModelFileError naming `fileName` and the line; the document
// then holds the objects read before it.
void ParseObj(std::string_view text, const std::string& fileName,
              const std::string& defaultObjectName, Document& document,
              Progress* progress = nullptr);

// Reads the file in one go and parses it; the default object is named after
// the file's stem.
void ReadObjFile(const std::filesystem::path& path, Document& document,
                 Progress* progress = nullptr);

}  // namespace refhost
