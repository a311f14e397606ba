#pragma once

#include "refhost/preview/Image.h"

// The typeface of every text on a sheet, DejaVu Sans, built into the library
// from the distribution's font file, so that no path is looked up at run time
// and every platform draws from the same bytes. Sizes are in pixels; pen
// positions keep fractions of a pixel so that spacing stays even.
namespace refhost::preview::typeface {

// The font's glyph for the code point; 0 when it has none.
int GlyphOf(char32_t codePoint);

// How many pixels a font unit is for text whose line is `lineHeight` tall.
float ScaleFor(float lineHeight);
// From a line's top to its baseline, in pixels.
float Ascent(float scale);
// How far the pen moves after the glyph, with the kerning before `next`
// (0: none follows).
float Advance(int glyph, int next, float scale);

// Draws the glyph anti-aliased with its origin at (x, baseline).
void DrawGlyph(Image& image, float x, int baseline, int glyph, float scale, Rgb colour);

}  // namespace refhost::preview::typeface
