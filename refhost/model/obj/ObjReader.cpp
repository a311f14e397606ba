#include "refhost/model/obj/ObjReader.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

#include "refhost/files/WholeFile.h"
#include "refhost/model/obj/ObjReaderNumbers.h"
#include "refhost/model/obj/ObjReaderReferences.h"
#include "refhost/model/obj/ObjTokens.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"
#include "refhost/text/TextLines.h"

namespace refhost {
namespace {

using Kind = ObjStatement::Kind;

constexpr std::size_t kProgressStep = 8 << 20;

// Free-form statements whose arguments number vertices.
constexpr std::string_view kVertexNumberingKeywords[] = {"curv", "surf", "bzp",
                                                         "bsp",  "cdc",  "cdp"};

bool NumbersVertices(std::string_view keyword) {
  for (std::string_view numbering : kVertexNumberingKeywords)
    if (keyword == numbering) return true;
  return false;
}

int LeastCorners(ElementKind kind) {
  return kind == ElementKind::Face ? 3 : kind == ElementKind::Line ? 2 : 1;
}

class ObjParser {
 public:
  ObjParser(ObjFile& file, const std::string& fileName, Document& document)
      : file_(file),
        position_(fileName),
        numbers_(position_),
        references_(position_),
        document_(document) {}

  // `total` is the text's size as far as known, for `progress`.
  void Run(TextLines& lines, Progress* progress, std::uint64_t total) {
    file_.lineEnd = lines.lineEnd();
    file_.byteOrderMark = lines.byteOrderMark();
    std::uint64_t nextReport = kProgressStep;
    TextLine line;
    // Pointed at, not copied: a copy of the line end per line stalls on the
    // stores that just wrote it.
    line_ = &line;
    while (lines.Next(line)) {
      position_.NextLine();
      ParseStatement(line.content);
      if (progress != nullptr && lines.offset() >= nextReport) {
        progress->Advance(std::min(lines.offset(), total), total);
        nextReport = lines.offset() + kProgressStep;
      }
    }
    file_.textureCoords = references_.textureCoords();
    file_.normals = references_.normals();
  }

 private:
  void ParseStatement(std::string_view line) {
    ObjTokens tokens(line);
    std::string_view keyword = tokens.Next();
    if (keyword == "v") return ParseVertex(tokens);
    if (keyword == "f") return ParseElement(tokens, ElementKind::Face);
    if (keyword == "vt") return ParseTextureCoord(tokens, line);
    if (keyword == "vn") return ParseNormal(tokens, line);
    if (keyword == "l") return ParseElement(tokens, ElementKind::Line);
    if (keyword == "p") return ParseElement(tokens, ElementKind::Point);
    if (keyword == "o")
      return StartObject(std::string(ObjectNameOn(line)), Kind::NamedObject, line);
    if (keyword == "usemtl") return SetMaterial(tokens, line);
    if (keyword == "g") return SetGroup(tokens, line);
    if (keyword == "s") return SetSmoothing(tokens, line);
    if (keyword == "mtllib") return Keep(Kind::MaterialLibrary, line);
    if (NumbersVertices(keyword)) file_.textNumbersVertices = true;
    Keep(Kind::Text, line);
  }

  // An o line is kept, so that it comes back as it was while the name stays.
  void StartObject(std::string name, Kind kind, std::string_view line = {}) {
    object_ = &document_.AddObject(std::move(name));
    references_.StartObject(object_->name());
    file_.statements.push_back(
        {kind, ElementKind::Face, object_->uniqueID(), file_.keptText.size(), line.size()});
    file_.keptText.append(line);
  }

  Object& CurrentObject() {
    if (object_ == nullptr) StartObject(file_.defaultObjectName, Kind::UnnamedObject);
    return *object_;
  }

  void ParseVertex(ObjTokens& tokens) {
    MQPoint point{};
    point.x = numbers_.Coordinate(tokens, "vertex", 3);
    point.y = numbers_.Coordinate(tokens, "vertex", 3);
    point.z = numbers_.Coordinate(tokens, "vertex", 3);
    // Most vertices end with their position: their line costs no more calls.
    const VertexExtras extras = tokens.Ahead().empty() ? VertexExtras() : numbers_.Extras(tokens);
    Object& object = CurrentObject();
    const int index = object.AddVertex(point);
    if (extras.count > 0) object.SetExtras(index, extras);
    references_.CountVertex();
    AppendRun(Kind::Vertices, ElementKind::Face, tokens.comment());
  }

  // Texture coordinates and normals are counted and checked, and their lines
  // kept as text.
  void ParseTextureCoord(ObjTokens& tokens, std::string_view line) {
    numbers_.Check(tokens, "texture coordinate", 1);
    references_.CountTextureCoord();
    Keep(Kind::Text, line);
  }

  // A writer that adds normals of its own renumbers the file's by how many
  // come before them, which each run of kept text tells.
  void ParseNormal(ObjTokens& tokens, std::string_view line) {
    numbers_.Check(tokens, "normal", 3);
    references_.CountNormal();
    Keep(Kind::Text, line);
    ++file_.statements.back().number;
  }

  void ParseElement(ObjTokens& tokens, ElementKind kind) {
    Object& object = CurrentObject();
    ReadCorners(tokens, kind);
    CheckCorners(kind);
    object.AddElement(kind, corners_, style_);
    AppendRun(Kind::Elements, kind, tokens.comment());
  }

  // Each corner is read in place: copying one right after its fields were
  // stored would stall on those stores.
  void ReadCorners(ObjTokens& tokens, ElementKind kind) {
    corners_.clear();
    for (;;) {
      Corner& corner = corners_.emplace_back();
      if (!references_.TakeCorner(tokens, kind, corner)) return corners_.pop_back();
    }
  }

  void CheckCorners(ElementKind kind) const {
    const int count = static_cast<int>(corners_.size());
    const int least = LeastCorners(kind);
    if (count < least)
      Fail(std::string(NounOf(kind)) + " has " + std::to_string(count) + " corner" +
           (count == 1 ? "" : "s") + ", but a " + NounOf(kind) + " needs at least " +
           std::to_string(least));
    int textured = 0;
    int withNormal = 0;
    for (const Corner& corner : corners_) {
      textured += corner.texture >= 0;
      withNormal += corner.normal >= 0;
    }
    if (textured != 0 && textured != count)
      Fail(std::string(NounOf(kind)) +
           " gives texture coordinates for some corners but not for all");
    if (withNormal != 0 && withNormal != count)
      Fail(std::string(NounOf(kind)) + " gives normals for some corners but not for all");
  }

  void SetMaterial(ObjTokens& tokens, std::string_view line) {
    const std::string_view name = tokens.RemainingWords();
    if (name.empty()) Fail("usemtl needs a material name");
    style_.material = document_.materials().Intern(name);
    Keep(Kind::Material, line, style_.material);
  }

  // "g" alone returns to the default group.
  void SetGroup(ObjTokens& tokens, std::string_view line) {
    const std::string_view names = tokens.RemainingWords();
    style_.group = names.empty() ? -1 : document_.groups().Intern(names);
    Keep(Kind::Group, line, style_.group);
  }

  void SetSmoothing(ObjTokens& tokens, std::string_view line) {
    const std::string_view word = tokens.Next();
    if (word.empty()) Fail("s needs a smoothing group number or 'off'");
    long long group = 0;
    if (word != "off" && !(ParseInteger(word, group) && group >= 0 && group <= INT_MAX))
      Fail("malformed smoothing group " + Quoted(word));
    style_.smoothing = static_cast<int>(group);
    Keep(Kind::Smoothing, line, style_.smoothing);
  }

  // Keeps a line; a line of text right after another joins it, with the line
  // end between them as the file has it.
  void Keep(Kind kind, std::string_view line, int number = 0) {
    std::vector<ObjStatement>& statements = file_.statements;
    std::string& kept = file_.keptText;
    const bool joins = kind == Kind::Text && lastTextLine_ == position_.line() - 1 &&
                       !statements.empty() && statements.back().kind == Kind::Text;
    if (joins) {
      kept.append(lastTextEnd_).append(line);
      statements.back().length = kept.size() - statements.back().offset;
    } else {
      statements.push_back({kind, ElementKind::Face, number, kept.size(), line.size()});
      kept.append(line);
    }
    if (kind != Kind::Text) return;
    lastTextLine_ = position_.line();
    lastTextEnd_ = line_->end;
  }

  // Counts an element into the run it continues; a line that ends in a
  // comment ends its run, whose last line the comment then belongs to.
  void AppendRun(Kind kind, ElementKind element, std::string_view comment) {
    std::vector<ObjStatement>& statements = file_.statements;
    if (statements.empty() || !Continues(statements.back(), kind, element))
      statements.push_back({kind, element, 0});
    ObjStatement& run = statements.back();
    ++run.number;
    if (comment.empty()) return;
    run.offset = file_.keptText.size();
    run.length = comment.size();
    file_.keptText.append(comment);
  }

  static bool Continues(const ObjStatement& run, Kind kind, ElementKind element) {
    return run.kind == kind && run.element == element && run.length == 0;
  }

  [[noreturn]] void Fail(const std::string& what) const { position_.Fail(what); }

  ObjFile& file_;
  ObjReaderPosition position_;
  ObjReaderNumbers numbers_;
  ObjReaderReferences references_;
  Document& document_;
  const TextLine* line_ = nullptr;  // the line being read
  long long lastTextLine_ = -1;
  std::string lastTextEnd_;  // of that line
  Object* object_ = nullptr;
  SurfaceStyle style_;
  // The element being read, reused so that reading one allocates nothing.
  std::vector<Corner> corners_;
};

ObjFile NewObjFile(const std::string& fileName, const std::string& defaultObjectName) {
  ObjFile file;
  file.folder = std::filesystem::path(fileName).parent_path();
  file.defaultObjectName = defaultObjectName;
  return file;
}

}  // namespace

ObjFile ParseObj(std::string_view text, const std::string& fileName,
                 const std::string& defaultObjectName, Document& document) {
  ObjFile file = NewObjFile(fileName, defaultObjectName);
  TextLines lines(text, fileName);
  ObjParser(file, fileName, document).Run(lines, nullptr, text.size());
  return file;
}

ObjFile ReadObjFile(const std::filesystem::path& path, Document& document, Progress* progress) {
  const std::string fileName = path.string();
  ObjFile file = NewObjFile(fileName, path.stem().string());
  const OpenedFile opened = OpenForReading(path);
  TextLines lines(opened.get(), fileName);
  ObjParser(file, fileName, document).Run(lines, progress, ExpectedSize(path));
  return file;
}

}  // namespace refhost
