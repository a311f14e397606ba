#include "refhost/preview/Typeface.h"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb/stb_truetype.h>

#include <cmath>
#include <vector>

#include "refhost/preview/EmbeddedFont.h"

namespace refhost::preview::typeface {
namespace {

// The built-in file is a known font, so opening it cannot fail.
const stbtt_fontinfo& Font() {
  static const stbtt_fontinfo font = [] {
    stbtt_fontinfo info{};
    stbtt_InitFont(&info, kEmbeddedFont, 0);
    return info;
  }();
  return font;
}

}  // namespace

int GlyphOf(char32_t codePoint) {
  return stbtt_FindGlyphIndex(&Font(), static_cast<int>(codePoint));
}

float ScaleFor(float lineHeight) { return stbtt_ScaleForPixelHeight(&Font(), lineHeight); }

float Ascent(float scale) {
  int ascent = 0, descent = 0, lineGap = 0;
  stbtt_GetFontVMetrics(&Font(), &ascent, &descent, &lineGap);
  return static_cast<float>(ascent) * scale;
}

float Advance(int glyph, int next, float scale) {
  int advance = 0, leftBearing = 0;
  stbtt_GetGlyphHMetrics(&Font(), glyph, &advance, &leftBearing);
  const int kerning = next == 0 ? 0 : stbtt_GetGlyphKernAdvance(&Font(), glyph, next);
  return static_cast<float>(advance + kerning) * scale;
}

void DrawGlyph(Image& image, float x, int baseline, int glyph, float scale, Rgb colour) {
  const float pen = std::floor(x);
  const float shift = x - pen;
  int left = 0, top = 0, right = 0, bottom = 0;
  stbtt_GetGlyphBitmapBoxSubpixel(&Font(), glyph, scale, scale, shift, 0, &left, &top, &right,
                                  &bottom);
  const int width = right - left;
  const int height = bottom - top;
  if (width <= 0 || height <= 0) return;
  std::vector<unsigned char> coverage(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height));
  stbtt_MakeGlyphBitmapSubpixel(&Font(), coverage.data(), width, height, width, scale, scale, shift,
                                0, glyph);
  const int originX = static_cast<int>(pen) + left;
  const int originY = baseline + top;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      image.Blend(originX + column, originY + row, colour,
                  coverage[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                           static_cast<std::size_t>(column)]);
    }
  }
}

}  // namespace refhost::preview::typeface
