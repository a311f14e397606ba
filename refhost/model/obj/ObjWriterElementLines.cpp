#include "refhost/model/obj/ObjWriterElementLines.h"

#include "refhost/document/FinitePosition.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

constexpr std::uint64_t kWriteProgressStep = 1 << 20;

char KeywordOf(ElementKind kind) {
  static constexpr char kKeywords[] = {'f', 'l', 'p'};
  return kKeywords[static_cast<int>(kind)];
}

std::uint64_t CountLines(const Document& document) {
  std::uint64_t count = 0;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr) continue;
    count += object->vertices().size();
    for (ElementKind kind : kElementKinds) count += object->elements(kind).Count();
  }
  return count;
}

}  // namespace

ObjWriterElementLines::ObjWriterElementLines(ObjWriterLineBuffer& text, const Document& document,
                                             const ObjFile& file, const std::string& outputName,
                                             Progress* progress)
    : text_(text),
      file_(file),
      outputName_(outputName),
      progress_(progress),
      total_(CountLines(document)) {}

void ObjWriterElementLines::WriteVertices(const Object& object, int first, int count,
                                          std::string_view comment) {
  const std::vector<MQPoint>& points = object.vertices();
  const std::vector<VertexExtras>& extras = object.extras();
  for (int index = first; index < first + count; ++index) {
    if (!IsFinite(points[index])) FailNonFinite(object, index);
    text_.Append('v');
    text_.AppendFloat(points[index].x);
    text_.AppendFloat(points[index].y);
    text_.AppendFloat(points[index].z);
    const int extraCount = extras.empty() ? 0 : extras[index].count;
    for (int extra = 0; extra < extraCount; ++extra) text_.AppendFloat(extras[index].values[extra]);
    EndLine(index + 1 == first + count, comment);
  }
  verticesWritten_ += static_cast<std::uint64_t>(count);
}

void ObjWriterElementLines::FailNonFinite(const Object& object, int index) const {
  throw ModelFileError(outputName_,
                       "object " + Quoted(object.name()) + ", " + VertexText(object, index) +
                           ": OBJ cannot store a position that is not a finite number");
}

void ObjWriterElementLines::WriteElements(ElementKind kind, const ElementList& list, int first,
                                          int count, std::uint64_t base, std::string_view comment,
                                          std::uint64_t* ownNormal) {
  for (int index = first; index < first + count; ++index) {
    WriteElement(kind, list, index, base, ownNormal);
    EndLine(index + 1 == first + count, comment);
  }
}

std::uint64_t ObjWriterElementLines::WriteNormals(const std::vector<MQPoint>& normals) {
  for (const MQPoint& normal : normals) {
    text_.Append("vn");
    text_.AppendFloat(normal.x);
    text_.AppendFloat(normal.y);
    text_.AppendFloat(normal.z);
    text_.EndLine();
  }
  return normals_.AddOwnNormals(normals.size());
}

void ObjWriterElementLines::WriteElement(ElementKind kind, const ElementList& list, int index,
                                         std::uint64_t base, std::uint64_t* ownNormal) {
  text_.Append(KeywordOf(kind));
  for (Corner corner : list.CornersOf(index)) {
    text_.AppendNumber(' ', base + static_cast<std::uint64_t>(corner.vertex) + 1);
    if (corner.texture >= 0) {
      CheckDefined(corner.texture, file_.textureCoords, "texture coordinate");
      text_.AppendNumber('/', static_cast<std::uint64_t>(corner.texture) + 1);
    } else if (corner.normal >= 0) {
      text_.Append('/');
    }
    if (corner.normal >= 0) text_.AppendNumber('/', NormalNumber(corner.normal, ownNormal));
  }
}

std::uint64_t ObjWriterElementLines::NormalNumber(int normal, std::uint64_t* ownNormal) const {
  if (ownNormal != nullptr) return (*ownNormal)++;
  CheckDefined(normal, file_.normals, "normal");
  return normals_.NumberOf(normal);
}

void ObjWriterElementLines::EndLine(bool last, std::string_view comment) {
  if (last && !comment.empty()) {
    text_.Append(' ');
    text_.Append(comment);
  }
  text_.EndLine();
  Advance();
}

void ObjWriterElementLines::CheckDefined(int index, long long defined, const char* noun) const {
  if (index >= defined)
    throw ModelFileError(outputName_, std::string("an element refers to ") + noun + " " +
                                          std::to_string(index + 1) +
                                          ", which the file does not define");
}

void ObjWriterElementLines::Advance() {
  ++done_;
  if (progress_ != nullptr && done_ % kWriteProgressStep == 0) progress_->Advance(done_, total_);
}

}  // namespace refhost
