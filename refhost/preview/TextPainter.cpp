#include "refhost/preview/TextPainter.h"

#include <stb/stb_easy_font.h>

#include <algorithm>
#include <vector>

namespace refhost::preview {
namespace {

// The font builds each character from axis-aligned quads of four vertices:
// x, y, z as floats and a colour, 16 bytes each.
struct FontVertex {
  float x;
  float y;
  float z;
  unsigned char colour[4];
};
static_assert(sizeof(FontVertex) == 16, "the font's vertex layout");

std::string Printable(const std::string& text) {
  std::string printable = text;
  for (char& c : printable) {
    if (c < ' ' || c > '~') c = '?';
  }
  return printable;
}

}  // namespace

int TextWidth(const std::string& text, int scale) {
  std::string printable = Printable(text);
  return stb_easy_font_width(printable.data()) * scale;
}

int TextHeight(int scale) { return 12 * scale; }

std::string FitText(const std::string& text, int width, int scale) {
  if (TextWidth(text, scale) <= width) return text;
  // No character is narrower than two font pixels, so no more than this fits.
  std::string cut = text.substr(0, static_cast<std::size_t>(std::max(width / (2 * scale), 0)));
  while (!cut.empty() && TextWidth(cut + "...", scale) > width) cut.pop_back();
  return cut + "...";
}

void DrawText(Image& image, int left, int top, const std::string& text, int scale, Rgb colour) {
  std::string printable = Printable(text);
  // About 270 bytes a character, by the font's own estimate; more to be safe.
  std::vector<FontVertex> vertices(printable.size() * 40 + 4);
  const int quads = stb_easy_font_print(0, 0, printable.data(), nullptr, vertices.data(),
                                        static_cast<int>(vertices.size() * sizeof(FontVertex)));
  for (int quad = 0; quad < quads; ++quad) {
    const FontVertex* corner = &vertices[static_cast<std::size_t>(quad) * 4];
    float x0 = corner[0].x, x1 = corner[0].x, y0 = corner[0].y, y1 = corner[0].y;
    for (int i = 1; i < 4; ++i) {
      x0 = std::min(x0, corner[i].x);
      x1 = std::max(x1, corner[i].x);
      y0 = std::min(y0, corner[i].y);
      y1 = std::max(y1, corner[i].y);
    }
    image.FillRect({left + static_cast<int>(x0) * scale, top + static_cast<int>(y0) * scale,
                    static_cast<int>(x1 - x0) * scale, static_cast<int>(y1 - y0) * scale},
                   colour);
  }
}

}  // namespace refhost::preview
