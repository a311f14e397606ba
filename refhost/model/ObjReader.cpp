#include "refhost/model/ObjReader.h"

#include <array>
#include <charconv>
#include <cstring>
#include <system_error>
#include <utility>

#include "refhost/model/ModelFileError.h"
#include "refhost/model/ObjTokens.h"
#include "refhost/model/WholeFile.h"

namespace refhost {
namespace {

constexpr std::size_t kProgressStep = 8 << 20;

// A message quotes no more of a word than a reader takes in at a glance.
constexpr std::size_t kLongestQuote = 40;
std::string Quoted(std::string_view text) {
  return "'" + std::string(text.substr(0, kLongestQuote)) +
         (text.size() > kLongestQuote ? "...'" : "'");
}

// One numbered kind of OBJ element ("v" or "vt"): how many the file has
// defined so far and where the current object's own ones begin.
struct Numbering {
  const char* noun;    // "vertex"
  const char* plural;  // "vertices"
  long long defined = 0;
  long long objectStart = 0;
};

std::string DefinedCount(const Numbering& numbering) {
  if (numbering.defined == 1) return std::string("1 ") + numbering.noun + " is defined";
  return std::to_string(numbering.defined) + " " + numbering.plural + " are defined";
}

class ObjParser {
 public:
  ObjParser(std::string_view text, const std::string& fileName,
            const std::string& defaultObjectName, Document& document, Progress* progress)
      : text_(text),
        fileName_(fileName),
        defaultObjectName_(defaultObjectName),
        document_(document),
        progress_(progress) {}

  void Run() {
    RejectBinary();
    std::size_t position = 0;
    std::size_t nextReport = kProgressStep;
    while (position < text_.size()) {
      std::size_t end = text_.find('\n', position);
      if (end == std::string_view::npos) end = text_.size();
      ++line_;
      ParseStatement(text_.substr(position, end - position));
      position = end + 1;
      if (progress_ != nullptr && position >= nextReport) {
        progress_->Advance(position, text_.size());
        nextReport = position + kProgressStep;
      }
    }
  }

 private:
  void RejectBinary() const {
    const void* nul = std::memchr(text_.data(), '\0', text_.size());
    if (nul == nullptr) return;
    std::string_view before = text_.substr(0, static_cast<const char*>(nul) - text_.data());
    long long line = 1;
    for (char c : before) line += c == '\n';
    throw ModelFileError(fileName_, line, "not a text file: holds a NUL byte");
  }

  void ParseStatement(std::string_view line) {
    ObjTokens tokens(line);
    std::string_view keyword = tokens.Next();
    if (keyword == "v") return ParseVertex(tokens);
    if (keyword == "vt") return ParseTextureCoord(tokens);
    if (keyword == "f") return ParseFace(tokens);
    if (keyword == "o") return StartObject(std::string(tokens.Rest()));
  }

  void StartObject(std::string name) {
    object_ = &document_.AddObject(std::move(name));
    vertices_.objectStart = vertices_.defined;
    textureCoords_.objectStart = textureCoords_.defined;
  }

  Object& CurrentObject() {
    if (object_ == nullptr) StartObject(defaultObjectName_);
    return *object_;
  }

  void ParseVertex(ObjTokens& tokens) {
    MQPoint point{};
    point.x = ParseCoordinate(tokens.Next(), "vertex", 3);
    point.y = ParseCoordinate(tokens.Next(), "vertex", 3);
    point.z = ParseCoordinate(tokens.Next(), "vertex", 3);
    SkipExtraNumbers(tokens);
    CurrentObject().AddVertex(point);
    ++vertices_.defined;
  }

  void ParseTextureCoord(ObjTokens& tokens) {
    std::array<float, 2> uv{};
    uv[0] = ParseCoordinate(tokens.Next(), "texture coordinate", 1);
    std::string_view v = tokens.Next();
    if (!v.empty()) uv[1] = ParseFloat(v);
    SkipExtraNumbers(tokens);
    CurrentObject().AddTextureCoord(uv);
    ++textureCoords_.defined;
  }

  // Homogeneous weights and vertex colours are checked but not kept.
  void SkipExtraNumbers(ObjTokens& tokens) const {
    for (std::string_view word = tokens.Next(); !word.empty(); word = tokens.Next())
      ParseFloat(word);
  }

  float ParseCoordinate(std::string_view word, const char* what, int needed) const {
    if (word.empty())
      Fail(std::string(what) + " needs " + std::to_string(needed) + " number" +
           (needed > 1 ? "s" : ""));
    return ParseFloat(word);
  }

  float ParseFloat(std::string_view word) const {
    const char* first = word.data();
    const char* last = word.data() + word.size();
    if (word.size() > 1 && word[0] == '+' && word[1] != '-') ++first;
    float value = 0.0f;
    auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range)
      Fail("number " + Quoted(word) + " is outside the range of a 32-bit float");
    if (error != std::errc() || end != last) Fail("malformed number " + Quoted(word));
    return value;
  }

  void ParseFace(ObjTokens& tokens) {
    Object& object = CurrentObject();
    Face face;
    // Most faces are quads or triangles: one allocation each instead of three.
    face.vertices.reserve(4);
    int corners = 0;
    for (std::string_view word = tokens.Next(); !word.empty(); word = tokens.Next()) {
      ++corners;
      ParseCorner(word, face);
    }
    if (corners < 3)
      Fail("face has " + std::to_string(corners) + " corner" + (corners == 1 ? "" : "s") +
           ", but a face needs at least 3");
    if (!face.textureCoords.empty() && face.textureCoords.size() != face.vertices.size())
      Fail("face gives texture coordinates for some corners but not for all");
    object.AddFace(std::move(face));
  }

  // "v", "v/vt", "v/vt/vn" or "v//vn"; the normal is checked but not kept.
  void ParseCorner(std::string_view word, Face& face) const {
    std::string_view parts[3];
    int count = SplitCorner(word, parts);
    long long normal = 0;
    bool wellFormed = count == 1 || (count == 2 && !parts[1].empty()) ||
                      (count == 3 && ParseInteger(parts[2], normal));
    if (!wellFormed) Fail("malformed face corner " + Quoted(word));
    face.vertices.push_back(Resolve(parts[0], vertices_, word));
    if (count == 1 || parts[1].empty()) return;
    if (face.textureCoords.empty()) face.textureCoords.reserve(face.vertices.capacity());
    face.textureCoords.push_back(Resolve(parts[1], textureCoords_, word));
  }

  // The corner's parts between slashes; 4 when there are too many.
  static int SplitCorner(std::string_view word, std::string_view (&parts)[3]) {
    int count = 0;
    for (;;) {
      std::size_t slash = word.find('/');
      if (count == 3) return 4;
      parts[count++] = word.substr(0, slash);
      if (slash == std::string_view::npos) return count;
      word.remove_prefix(slash + 1);
    }
  }

  // The object-local index of an OBJ reference to a vertex or texture coordinate.
  int Resolve(std::string_view number, const Numbering& numbering, std::string_view corner) const {
    long long reference = 0;
    if (!ParseInteger(number, reference)) Fail("malformed face corner " + Quoted(corner));
    if (reference == 0)
      Fail(std::string("face refers to ") + numbering.noun + " 0, but OBJ counts from 1");
    long long global = reference > 0 ? reference - 1 : numbering.defined + reference;
    if (global < 0 || global >= numbering.defined)
      Fail(std::string("face refers to ") + numbering.noun + " " + std::string(number) +
           ", but only " + DefinedCount(numbering));
    if (global < numbering.objectStart)
      Fail("face of object " + Quoted(object_->name()) + " refers to " + numbering.noun + " " +
           std::string(number) + ", which belongs to an earlier object");
    return static_cast<int>(global - numbering.objectStart);
  }

  static bool ParseInteger(std::string_view word, long long& value) {
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return !word.empty() && error == std::errc() && end == word.data() + word.size();
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw ModelFileError(fileName_, line_, what);
  }

  std::string_view text_;
  const std::string& fileName_;
  const std::string& defaultObjectName_;
  Document& document_;
  Progress* progress_;
  long long line_ = 0;
  Object* object_ = nullptr;
  Numbering vertices_{"vertex", "vertices"};
  Numbering textureCoords_{"texture coordinate", "texture coordinates"};
};

}  // namespace

void ParseObj(std::string_view text, const std::string& fileName,
              const std::string& defaultObjectName, Document& document, Progress* progress) {
  ObjParser(text, fileName, defaultObjectName, document, progress).Run();
}

void ReadObjFile(const std::filesystem::path& path, Document& document, Progress* progress) {
  std::string text = ReadWholeFile(path);
  ParseObj(text, path.string(), path.stem().string(), document, progress);
}

}  // namespace refhost
