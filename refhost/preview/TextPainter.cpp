#include "refhost/preview/TextPainter.h"

#include <cmath>
#include <vector>

#include "refhost/preview/Characters.h"
#include "refhost/preview/CodeBox.h"
#include "refhost/preview/Typeface.h"

namespace refhost::preview {
namespace {

constexpr int kLineHeight = 18;
constexpr const char* kEllipsis = "\xE2\x80\xA6";

float LineScale() {
  static const float scale = typeface::ScaleFor(float(kLineHeight));
  return scale;
}

// What stands for one character: its glyph, or, where it has none or is a
// control character, the text of its code box.
struct Piece {
  int glyph = 0;
  std::string code;
  float x = 0;          // where it starts on the line
  std::size_t end = 0;  // the text's offset just past its character
};

bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

struct Line {
  std::vector<Piece> pieces;
  float width = 0;
};

Line Lay(const std::string& text) {
  const std::vector<Character> characters = CharactersOf(text);
  Line line;
  line.pieces.resize(characters.size());
  for (std::size_t i = 0; i < characters.size(); ++i) {
    const Character& character = characters[i];
    Piece& piece = line.pieces[i];
    piece.end = character.end;
    if (!character.invalidByte && !IsControl(character.value))
      piece.glyph = typeface::GlyphOf(character.value);
    if (piece.glyph == 0) piece.code = CodeBoxText(character);
  }
  for (std::size_t i = 0; i < line.pieces.size(); ++i) {
    Piece& piece = line.pieces[i];
    piece.x = line.width;
    const int next = i + 1 < line.pieces.size() ? line.pieces[i + 1].glyph : 0;
    line.width += piece.glyph != 0 ? typeface::Advance(piece.glyph, next, LineScale())
                                   : CodeBoxAdvance(piece.code);
  }
  return line;
}

}  // namespace

void DrawText(Image& image, int left, int top, const std::string& text, Rgb colour) {
  const int baseline = top + static_cast<int>(std::lround(typeface::Ascent(LineScale())));
  for (const Piece& piece : Lay(text).pieces) {
    const float x = float(left) + piece.x;
    if (piece.glyph != 0) {
      typeface::DrawGlyph(image, x, baseline, piece.glyph, LineScale(), colour);
    } else {
      DrawCodeBox(image, static_cast<int>(std::lround(x)), top, kLineHeight, piece.code, colour);
    }
  }
}

int TextWidth(const std::string& text) { return static_cast<int>(std::ceil(Lay(text).width)); }

int TextHeight() { return kLineHeight; }

std::string FitText(const std::string& text, int width) {
  const Line line = Lay(text);
  if (std::ceil(line.width) <= float(width)) return text;
  // Kerning against the ellipsis moves its end a little, so the cut is
  // checked, and moved back where it still runs over.
  const float room = float(width) - float(TextWidth(kEllipsis));
  const auto endOf = [&line](std::size_t piece) {
    return piece + 1 < line.pieces.size() ? line.pieces[piece + 1].x : line.width;
  };
  std::size_t kept = 0;  // the most leading characters that end within the room
  while (kept < line.pieces.size() && endOf(kept) <= room) ++kept;
  for (;; --kept) {
    std::string cut = text.substr(0, kept == 0 ? 0 : line.pieces[kept - 1].end) + kEllipsis;
    if (kept == 0 || TextWidth(cut) <= width) return cut;
  }
}

}  // namespace refhost::preview
