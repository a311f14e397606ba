#include "refhost/model/obj/ObjWriter.h"

#include <array>
#include <cstdint>
#include <optional>

#include "refhost/files/RelocatedPath.h"
#include "refhost/model/obj/ObjTokens.h"
#include "refhost/model/obj/ObjWriterElementLines.h"
#include "refhost/model/obj/ObjWriterLineBuffer.h"
#include "refhost/model/obj/ObjWriterMixedNormals.h"
#include "refhost/model/obj/ObjWriterPlacement.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

using Kind = ObjStatement::Kind;

class ObjFormatter {
 public:
  ObjFormatter(const Document& document, const ObjFile& file, const std::filesystem::path& output,
               const std::function<void(std::string_view)>& sink, Progress* progress)
      : document_(document),
        file_(file),
        outputName_(output.string()),
        outputFolder_(output.parent_path()),
        text_(sink, file.lineEnd),
        lines_(text_, document, file, outputName_, progress),
        mixedNormals_(document, file, outputName_),
        newObjects_(PlaceNewObjects(document, file)) {}

  void Write() {
    text_.Append(file_.byteOrderMark);
    WriteNewObjects(0);
    for (std::size_t index = 0; index < file_.statements.size(); ++index) {
      WriteStatement(file_.statements[index]);
      WriteNewObjects(index + 1);
    }
    FinishReadObject();
    text_.Flush();
  }

 private:
  void WriteStatement(const ObjStatement& statement) {
    switch (statement.kind) {
      case Kind::MaterialLibrary:
        return WriteMaterialLibrary(statement);
      case Kind::NamedObject:
      case Kind::UnnamedObject:
        return StartReadObject(statement);
      case Kind::Vertices:
        return WriteVertexRun(statement);
      case Kind::Elements:
        return WriteElementRun(statement);
      case Kind::Material:
        running_.material = statement.number;
        break;
      case Kind::Group:
        running_.group = statement.number;
        break;
      case Kind::Smoothing:
        running_.smoothing = statement.number;
        break;
      case Kind::Text:
        lines_.PassFileNormals(statement.number);
        break;
    }
    text_.Append(TextOf(statement));
    text_.EndLine();
  }

  void WriteMaterialLibrary(const ObjStatement& statement) {
    const std::string_view line = TextOf(statement);
    if (SameFolder(file_.folder, outputFolder_)) {
      text_.Append(line);
      return text_.EndLine();
    }
    ObjTokens tokens(line);
    text_.Append(tokens.Next());
    for (std::string_view name = tokens.Next(); !name.empty(); name = tokens.Next()) {
      const std::string path = RelocatedPath(name, file_.folder, outputFolder_);
      if (path.find_first_of(" \t") != std::string::npos)
        throw ModelFileError(outputName_, "the material library " + Quoted(name) + " is " +
                                              Quoted(path) +
                                              " from the output's folder, and mtllib cannot "
                                              "store a name with a blank");
      text_.Append(' ');
      text_.Append(path);
    }
    AppendComment(tokens.comment());
    text_.EndLine();
  }

  // The file's objects keep their o line as it was while they keep the name
  // it gave them, and their lack of one while they keep the name they were
  // given for it.
  void StartReadObject(const ObjStatement& statement) {
    FinishReadObject();
    readObject_ = document_.FindByUniqueID(statement.number);
    cursors_ = {};
    readBase_ = lines_.verticesWritten();
    if (readObject_ == nullptr) return;
    const bool named = statement.kind == Kind::NamedObject;
    if (named && readObject_->name() == ObjectNameOn(TextOf(statement))) {
      text_.Append(TextOf(statement));
      return text_.EndLine();
    }
    if (named || readObject_->name() != file_.defaultObjectName) WriteName(*readObject_);
  }

  // Vertices or elements added to an object of the file, or taken from it,
  // would have no place among its lines.
  void FinishReadObject() const {
    if (readObject_ == nullptr) return;
    bool same = cursors_.vertices == readObject_->VertexCount();
    for (ElementKind kind : kElementKinds)
      same = same && cursors_.OfKind(kind) == readObject_->elements(kind).Count();
    if (!same) FailChangedElements();
  }

  void CheckRun(int cursor, const ObjStatement& run, int available) const {
    if (cursor + run.number > available) FailChangedElements();
  }

  [[noreturn]] void FailChangedElements() const {
    throw ModelFileError(outputName_, "object " + Quoted(readObject_->name()) +
                                          " changed its vertices or elements after it was read, "
                                          "which have no place in the file");
  }

  // A run of one object's lines. An object taken out of the document leaves
  // its lines out.
  void WriteVertexRun(const ObjStatement& run) {
    if (readObject_ == nullptr) return;
    CheckRun(cursors_.vertices, run, readObject_->VertexCount());
    lines_.WriteVertices(*readObject_, cursors_.vertices, run.number, TextOf(run));
    cursors_.vertices += run.number;
  }

  void WriteElementRun(const ObjStatement& run) {
    if (readObject_ == nullptr) return;
    const ElementList& list = readObject_->elements(run.element);
    int& cursor = cursors_.OfKind(run.element);
    CheckRun(cursor, run, list.Count());
    lines_.WriteElements(run.element, list, cursor, run.number, readBase_, TextOf(run));
    cursor += run.number;
  }

  void WriteNewObjects(std::size_t slot) {
    const std::vector<const Object*>& objects = newObjects_[slot];
    if (objects.empty()) return;
    const SurfaceStyle before = running_;
    for (const Object* object : objects) WriteNewObject(*object);
    WriteStyle(before, *objects.back());
  }

  // A mixed object's own normals go with its lines, right before its faces.
  void WriteNewObject(const Object& object) {
    WriteName(object);
    const std::uint64_t base = lines_.verticesWritten();
    lines_.WriteVertices(object, 0, object.VertexCount());
    const std::optional<std::vector<MQPoint>> normals = mixedNormals_.Of(object);
    std::uint64_t ownNormal = normals ? lines_.WriteNormals(*normals) : 0;
    for (ElementKind kind : kElementKinds) {
      const ElementList& list = object.elements(kind);
      std::uint64_t* own = normals && kind == ElementKind::Face ? &ownNormal : nullptr;
      for (int index = 0; index < list.Count(); ++index) {
        WriteStyle(list.StyleOf(index), object);
        lines_.WriteElements(kind, list, index, 1, base, {}, own);
      }
    }
  }

  // The usemtl, g and s lines that make `style` the one in effect.
  void WriteStyle(const SurfaceStyle& style, const Object& object) {
    if (style.material != running_.material) {
      if (style.material < 0)
        throw ModelFileError(outputName_, "object " + Quoted(object.name()) +
                                              " has elements without a material where "
                                              "one is in effect, which OBJ cannot express");
      text_.Append("usemtl ");
      text_.Append(document_.materials().Name(style.material));
      text_.EndLine();
    }
    if (style.group != running_.group) {
      text_.Append('g');
      if (style.group >= 0) text_.Append(' ' + document_.groups().Name(style.group));
      text_.EndLine();
    }
    if (style.smoothing != running_.smoothing) {
      text_.Append('s');
      if (style.smoothing == 0) text_.Append(" off");
      if (style.smoothing != 0)
        text_.AppendNumber(' ', static_cast<std::uint64_t>(style.smoothing));
      text_.EndLine();
    }
    running_ = style;
  }

  void WriteName(const Object& object) {
    if (object.name().find_first_of("\r\n") != std::string::npos)
      throw ModelFileError(outputName_, "the name of the object at position " +
                                            std::to_string(object.index() + 1) +
                                            " holds a line break, which OBJ cannot store");
    text_.Append("o ");
    text_.Append(object.name());
    text_.EndLine();
  }

  void AppendComment(std::string_view comment) {
    if (comment.empty()) return;
    text_.Append(' ');
    text_.Append(comment);
  }

  std::string_view TextOf(const ObjStatement& statement) const {
    return std::string_view(file_.keptText).substr(statement.offset, statement.length);
  }

  // How far the object being written from the file's statements has come.
  struct Cursors {
    int vertices = 0;
    std::array<int, std::size(kElementKinds)> elements{};
    int& OfKind(ElementKind kind) { return elements[static_cast<int>(kind)]; }
    int OfKind(ElementKind kind) const { return elements[static_cast<int>(kind)]; }
  };

  const Document& document_;
  const ObjFile& file_;
  const std::string outputName_;
  const std::filesystem::path outputFolder_;
  ObjWriterLineBuffer text_;
  ObjWriterElementLines lines_;
  ObjWriterMixedNormals mixedNormals_;
  const std::vector<std::vector<const Object*>> newObjects_;
  const Object* readObject_ = nullptr;
  Cursors cursors_;
  std::uint64_t readBase_ = 0;  // vertices written before readObject_'s
  SurfaceStyle running_;        // the style in effect at the end of what is written
};

}  // namespace

void WriteObj(const Document& document, const ObjFile& file, const std::filesystem::path& output,
              const std::function<void(std::string_view)>& sink, Progress* progress) {
  ObjFormatter(document, file, output, sink, progress).Write();
}

}  // namespace refhost
