#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "refhost/document/Document.h"
#include "refhost/files/Progress.h"
#include "refhost/model/obj/ObjFile.h"

namespace refhost {

// Wavefront OBJ input. Each "o NAME" starts an object; the "v" lines after it
// are its vertices, with any numbers after the position kept as their
// extras, and its "f", "l" and "p" lines its faces, lines and points. These
// use OBJ's file-wide numbering (from 1, or negative counting back), may use
// only their own object's vertices, and take the material, group and
// smoothing group in effect. Elements before any "o" line form an object
// named `defaultObjectName`. Objects are appended to `document` in file order;
// every other line is kept in the returned ObjFile.
//
// A flaw throws ModelFileError naming `fileName` and the line; the document
// then holds the objects read before it.
ObjFile ParseObj(std::string_view text, const std::string& fileName,
                 const std::string& defaultObjectName, Document& document);

// Reads the file as it parses it, a block at a time, so that its text is never
// held whole; the default object is named after the file's stem.
ObjFile ReadObjFile(const std::filesystem::path& path, Document& document,
                    Progress* progress = nullptr);

}  // namespace refhost
