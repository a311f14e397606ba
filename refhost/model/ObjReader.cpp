#include "refhost/model/ObjReader.h"

#include <climits>
#include <utility>
#include <vector>

#include "refhost/model/LineEnds.h"
#include "refhost/model/ModelFileError.h"
#include "refhost/model/ObjNumbers.h"
#include "refhost/model/ObjReferences.h"
#include "refhost/model/ObjTokens.h"
#include "refhost/model/TextCheck.h"
#include "refhost/model/WholeFile.h"
#include "refhost/widgets/MessageText.h"

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
  ObjParser(ObjFile& file, const std::string& fileName, Document& document, Progress* progress)
      : file_(file),
        text_(file.text),
        position_(fileName),
        numbers_(position_),
        references_(position_),
        fileName_(fileName),
        document_(document),
        progress_(progress) {}

  void Run() {
    CheckText(text_, 0, fileName_);
    file_.lineEnd = LineEndOf(text_);
    // A CRLF line is split at its LF and loses its CR below.
    const char lineBreak = file_.lineEnd.back();
    if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark)
      file_.byteOrderMark = kByteOrderMark;
    std::size_t position = file_.byteOrderMark.size();
    std::size_t nextReport = kProgressStep;
    while (position < text_.size()) {
      std::size_t end = text_.find(lineBreak, position);
      if (end == std::string_view::npos) end = text_.size();
      position_.NextLine();
      if (end - position > kLongestLine) Fail(kLongLineFlaw);
      std::string_view content = text_.substr(position, end - position);
      if (!content.empty() && content.back() == '\r') content.remove_suffix(1);
      ParseStatement(content);
      position = end + 1;
      if (progress_ != nullptr && position >= nextReport) {
        progress_->Advance(position, text_.size());
        nextReport = position + kProgressStep;
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
    const std::size_t offset =
        line.empty() ? 0 : static_cast<std::size_t>(line.data() - text_.data());
    file_.statements.push_back({kind, ElementKind::Face, object_->uniqueID(), offset, line.size()});
  }

  Object& CurrentObject() {
    if (object_ == nullptr) StartObject(file_.defaultObjectName, Kind::UnnamedObject);
    return *object_;
  }

  void ParseVertex(ObjTokens& tokens) {
    MQPoint point{};
    point.x = numbers_.Coordinate(tokens.Next(), "vertex", 3);
    point.y = numbers_.Coordinate(tokens.Next(), "vertex", 3);
    point.z = numbers_.Coordinate(tokens.Next(), "vertex", 3);
    const VertexExtras extras = numbers_.Extras(tokens);
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

  void ParseNormal(ObjTokens& tokens, std::string_view line) {
    numbers_.Check(tokens, "normal", 3);
    references_.CountNormal();
    Keep(Kind::Text, line);
  }

  void ParseElement(ObjTokens& tokens, ElementKind kind) {
    Object& object = CurrentObject();
    corners_.clear();
    for (std::string_view word = tokens.Next(); !word.empty(); word = tokens.Next())
      corners_.push_back(references_.ReadCorner(word, kind));
    CheckCorners(kind);
    object.AddElement(kind, corners_, style_);
    AppendRun(Kind::Elements, kind, tokens.comment());
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

  // Keeps a line as text; a line of text right after another joins it.
  void Keep(Kind kind, std::string_view line, int number = 0) {
    const std::size_t offset = static_cast<std::size_t>(line.data() - text_.data());
    std::vector<ObjStatement>& statements = file_.statements;
    const bool joins = kind == Kind::Text && lastTextLine_ == position_.line() - 1 &&
                       !statements.empty() && statements.back().kind == Kind::Text;
    if (kind == Kind::Text) lastTextLine_ = position_.line();
    if (joins) {
      statements.back().length = offset + line.size() - statements.back().offset;
      return;
    }
    statements.push_back({kind, ElementKind::Face, number, offset, line.size()});
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
    run.offset = static_cast<std::size_t>(comment.data() - text_.data());
    run.length = comment.size();
  }

  static bool Continues(const ObjStatement& run, Kind kind, ElementKind element) {
    return run.kind == kind && run.element == element && run.length == 0;
  }

  [[noreturn]] void Fail(const std::string& what) const { position_.Fail(what); }

  ObjFile& file_;
  std::string_view text_;
  ObjReadPosition position_;
  ObjNumbers numbers_;
  ObjReferences references_;
  const std::string& fileName_;
  Document& document_;
  Progress* progress_;
  long long lastTextLine_ = -1;
  Object* object_ = nullptr;
  SurfaceStyle style_;
  // The element being read, reused so that reading one allocates nothing.
  std::vector<Corner> corners_;
};

}  // namespace

ObjFile ParseObj(std::string text, const std::string& fileName,
                 const std::string& defaultObjectName, Document& document, Progress* progress) {
  ObjFile file;
  file.text = std::move(text);
  file.folder = std::filesystem::path(fileName).parent_path();
  file.defaultObjectName = defaultObjectName;
  ObjParser(file, fileName, document, progress).Run();
  return file;
}

ObjFile ReadObjFile(const std::filesystem::path& path, Document& document, Progress* progress) {
  return ParseObj(ReadWholeFile(path), path.string(), path.stem().string(), document, progress);
}

}  // namespace refhost
