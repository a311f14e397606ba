#pragma once

#include <filesystem>
#include <functional>
#include <string_view>

#include "refhost/document/Document.h"
#include "refhost/files/Progress.h"
#include "refhost/model/obj/ObjFile.h"

namespace refhost {

// Wavefront OBJ output of `document` onto `file`, the OBJ file it was read
// from (an empty ObjFile for a document made otherwise). Every statement of
// the file comes back in its place: the lines kept as text as they were,
// mtllib names rewritten to find the same libraries from `output`'s folder,
// and the objects' names, vertices and elements from the document, with
// file-wide numbers from 1 and coordinates in the shortest form that reads
// back to the same bits. An object taken out of the document leaves out its
// own lines. New objects go where PlaceNewObjects puts them, with the usemtl,
// g and s lines their elements need; the style in effect after them is the
// one before them. A new object whose mix the document noted gets normals of
// its own (ObjWriterMixedNormals), and every normal of the file keeps its
// number among the others. The text is handed to `sink` in pieces.
//
// What OBJ cannot store (a name with a line break, a material library path
// with a blank, an element without a material where one is in effect, a
// position that is not finite) throws ModelFileError naming `output`.
void WriteObj(const Document& document, const ObjFile& file, const std::filesystem::path& output,
              const std::function<void(std::string_view)>& sink, Progress* progress = nullptr);

}  // namespace refhost
