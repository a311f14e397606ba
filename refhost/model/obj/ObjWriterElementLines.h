#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "refhost/document/Document.h"
#include "refhost/files/Progress.h"
#include "refhost/model/obj/ObjFile.h"
#include "refhost/model/obj/ObjWriterLineBuffer.h"
#include "refhost/model/obj/ObjWriterNormalNumbers.h"

namespace refhost {

// The lines of objects' vertices and elements, and of new objects' own
// normals, with OBJ's file-wide numbers from 1: a vertex's by how many
// vertices were written before it, a texture coordinate's as the file numbers
// it, a normal's as ObjWriterNormalNumbers does. A run of lines takes its
// object's arrays once; `comment` (if any) ends its last line. Progress
// counts the vertex and element lines against all of the document's.
class ObjWriterElementLines {
 public:
  ObjWriterElementLines(ObjWriterLineBuffer& text, const Document& document, const ObjFile& file,
                        const std::string& outputName, Progress* progress);

  // An object whose first vertex is written now numbers its vertex i as
  // verticesWritten() + i + 1.
  std::uint64_t verticesWritten() const { return verticesWritten_; }

  // Vertices [first, first + count) of `object`; the caller keeps them in
  // range. A position that is not finite throws ModelFileError.
  void WriteVertices(const Object& object, int first, int count, std::string_view comment = {});
  // Elements [first, first + count) of `list`, in range; `base` is
  // verticesWritten() before the first vertex of their object. With
  // `ownNormal`, each corner's normal is the one it holds the number of, and
  // the next corner's the one after, instead of the file's the corner names.
  void WriteElements(ElementKind kind, const ElementList& list, int first, int count,
                     std::uint64_t base, std::string_view comment = {},
                     std::uint64_t* ownNormal = nullptr);

  // The file's next `count` vn lines, kept as text, are written.
  void PassFileNormals(int count) { normals_.PassFileNormals(count); }
  // vn lines for `normals`, of an object of the document; returns the number
  // of the first.
  std::uint64_t WriteNormals(const std::vector<MQPoint>& normals);

 private:
  void WriteElement(ElementKind kind, const ElementList& list, int index, std::uint64_t base,
                    std::uint64_t* ownNormal);
  void EndLine(bool last, std::string_view comment);
  [[noreturn]] void FailNonFinite(const Object& object, int index) const;
  std::uint64_t NormalNumber(int normal, std::uint64_t* ownNormal) const;
  // Throws ModelFileError for a texture coordinate or normal (`noun`) that
  // the file does not define.
  void CheckDefined(int index, long long defined, const char* noun) const;
  void Advance();

  ObjWriterLineBuffer& text_;
  const ObjFile& file_;
  const std::string& outputName_;
  Progress* progress_;
  ObjWriterNormalNumbers normals_;
  std::uint64_t verticesWritten_ = 0;
  std::uint64_t done_ = 0;
  std::uint64_t total_ = 0;
};

}  // namespace refhost
