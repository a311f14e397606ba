#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "refhost/model/ModelFile.h"
#include "refhost/model/obj/ObjStatement.h"

namespace refhost {

// What an OBJ file holds besides the objects the reader put into the
// document: the text of its other lines, and the statement list that places
// the document's objects among them. Texture coordinates and normals stay
// here; the document's corners name them by their number in this file.
struct ObjFile final : ModelFile {
  std::string keptText;  // the text of the statements, one after the other
  std::vector<ObjStatement> statements;
  std::filesystem::path folder;   // where mtllib names start
  std::string defaultObjectName;  // of the object of elements before any o line
  std::string lineEnd = "\n";     // or "\r\n" or "\r": the file's (LineEndOf)
  std::string byteOrderMark;      // the UTF-8 byte order mark when the file starts with it
  long long textureCoords = 0;    // vt lines
  long long normals = 0;          // vn lines
  // Kept text that numbers vertices (free-form curves and surfaces): a vertex
  // written before it would change what it refers to.
  bool textNumbersVertices = false;

  void WriteTo(const Document& document, const std::filesystem::path& output, const Sink& sink,
               Progress* progress) const override;
};

}  // namespace refhost
