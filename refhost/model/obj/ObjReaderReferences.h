#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "refhost/document/Element.h"
#include "refhost/model/obj/ObjReaderPosition.h"
#include "refhost/model/obj/ObjTokens.h"

namespace refhost {

// How far an OBJ file has numbered its v, vt and vn lines, and the corners of
// elements, which refer to those lines by number: from 1, or negative counting
// back from the last one read. A flaw throws ModelFileError naming the file
// and the line being read.
class ObjReaderReferences {
 public:
  explicit ObjReaderReferences(const ObjReaderPosition& position) : position_(position) {}

  // The vertices of the object named `name` begin with the next v line; its
  // elements may use no vertex before them. `name` must outlive its object.
  void StartObject(const std::string& name);
  void CountVertex() { ++vertices_.defined; }
  void CountTextureCoord() { ++textureCoords_.defined; }
  void CountNormal() { ++normals_.defined; }
  long long textureCoords() const { return textureCoords_.defined; }
  long long normals() const { return normals_.defined; }

  // The next word, "v", "v/vt", "v/vt/vn" or "v//vn", as a corner of a
  // `kind` element: its vertex counted in its object, its texture coordinate
  // and normal in the file; false at the end of the statement. The common
  // corner, well formed with numbers in range, is read here straight from the
  // line, so that it costs no call.
  bool TakeCorner(ObjTokens& tokens, ElementKind kind, Corner& corner) const {
    const std::string_view ahead = tokens.Ahead();
    const char* at = ahead.data();
    if (ReadPlainCorner(at, ahead.data() + ahead.size(), corner) &&
        tokens.SkipWord(static_cast<std::size_t>(at - ahead.data())))
      return true;
    const std::string_view word = tokens.Next();
    if (word.empty()) return false;
    corner = ReadCorner(word, kind);
    return true;
  }

 private:
  struct Numbering {
    const char* noun;    // "vertex"
    const char* plural;  // "vertices"
    long long defined = 0;
    long long objectStart = 0;

    // Where the line that `reference` names is, counted from objectStart;
    // false when it names none from there on.
    bool Find(long long reference, int& index) const {
      const long long found = reference > 0 ? reference - 1 : defined + reference;
      if (reference == 0 || found < objectStart || found >= defined) return false;
      index = static_cast<int>(found - objectStart);
      return true;
    }
  };

  // Moves `at` past the corner it reads. The corner is set whole at the end,
  // from registers: set a field at a time, it stalled the copy that follows.
  bool ReadPlainCorner(const char*& at, const char* end, Corner& corner) const {
    const int vertex = PlainIndex(at, end, vertices_);
    int texture = -1;
    int normal = -1;
    if (vertex < 0) return false;
    if (at != end && *at == '/') {
      ++at;
      if (at != end && *at != '/' && (texture = PlainIndex(at, end, textureCoords_)) < 0)
        return false;
      if (at != end && *at == '/') {
        ++at;
        if ((normal = PlainIndex(at, end, normals_)) < 0) return false;
      } else if (texture < 0) {
        return false;
      }
    }
    corner = Corner{vertex, texture, normal};
    return true;
  }

  // The index that up to 18 digits give, enough for any number of lines a
  // file can have and few enough that reading them cannot overflow; -1 for
  // more, or for a number out of range.
  static int PlainIndex(const char*& at, const char* end, const Numbering& numbering) {
    constexpr std::ptrdiff_t kMostDigits = 18;
    const bool negative = at != end && *at == '-';
    const char* digits = at + (negative ? 1 : 0);
    long long value = 0;
    for (at = digits; at != end && IsDigit(*at) && at - digits < kMostDigits; ++at)
      value = value * 10 + (*at - '0');
    int index = -1;
    if (at == digits || (at != end && IsDigit(*at))) return -1;
    return numbering.Find(negative ? -value : value, index) ? index : -1;
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  // Any corner, or its flaw.
  Corner ReadCorner(std::string_view word, ElementKind kind) const;
  int Resolve(std::string_view number, const Numbering& numbering, std::string_view corner,
              ElementKind kind) const;
  [[noreturn]] void FailReference(std::string_view number, long long reference,
                                  const Numbering& numbering, ElementKind kind) const;

  const ObjReaderPosition& position_;
  const std::string* objectName_ = nullptr;
  Numbering vertices_{"vertex", "vertices"};
  Numbering textureCoords_{"texture coordinate", "texture coordinates"};
  Numbering normals_{"normal", "normals"};
};

}  // namespace refhost
