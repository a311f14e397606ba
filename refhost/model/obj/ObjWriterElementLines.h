#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "refhost/document/Document.h"
#include "refhost/files/Progress.h"
#include "refhost/model/obj/ObjFile.h"
#include "refhost/model/obj/ObjWriterLineBuffer.h"

namespace refhost {

// The lines of objects' vertices and elements, with OBJ's file-wide numbers
// from 1: a vertex's by how many vertices were written before it, a texture
// coordinate's or normal's as the file numbers it. A run of lines takes its
// object's arrays once; `comment` (if any) ends its last line. Progress
// counts the lines against all of the document's.
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
  // verticesWritten() before the first vertex of their object.
  void WriteElements(ElementKind kind, const ElementList& list, int first, int count,
                     std::uint64_t base, std::string_view comment = {});

 private:
  void WriteElement(ElementKind kind, const ElementList& list, int index, std::uint64_t base);
  void EndLine(bool last, std::string_view comment);
  [[noreturn]] void FailNonFinite(const Object& object, int index) const;
  // "/" and the number; throws ModelFileError for one the file does not
  // define.
  void AppendReference(int index, long long defined, const char* noun);
  void Advance();

  ObjWriterLineBuffer& text_;
  const ObjFile& file_;
  const std::string& outputName_;
  Progress* progress_;
  std::uint64_t verticesWritten_ = 0;
  std::uint64_t done_ = 0;
  std::uint64_t total_ = 0;
};

}  // namespace refhost
