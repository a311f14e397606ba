#include "refhost/preview/CodeBox.h"

#include <cmath>

#include "refhost/preview/Typeface.h"

namespace refhost::preview {
namespace {

// The digits this tall, this far inside the frame.
constexpr int kDigitHeight = 11;
constexpr int kInnerPad = 2;

float DigitScale() {
  static const float scale = typeface::ScaleFor(float(kDigitHeight));
  return scale;
}

std::string Hex(char32_t value, int digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (; value != 0 || digits > 0; value >>= 4, --digits)
    text.insert(text.begin(), kDigits[value & 15]);
  return text;
}

float DigitsWidth(const std::string& text) {
  float width = 0;
  for (char digit : text)
    width += typeface::Advance(typeface::GlyphOf(char32_t(digit)), 0, DigitScale());
  return width;
}

}  // namespace

std::string CodeBoxText(const Character& character) {
  return character.invalidByte ? "0x" + Hex(character.value, 2) : "U+" + Hex(character.value, 4);
}

float CodeBoxAdvance(const std::string& text) {
  return std::ceil(DigitsWidth(text)) + float(2 * kInnerPad + 4);
}

void DrawCodeBox(Image& image, int left, int top, int lineHeight, const std::string& text,
                 Rgb colour) {
  const int width = static_cast<int>(CodeBoxAdvance(text)) - 2;
  const int height = lineHeight - 2;
  const int x = left + 1;
  const int y = top + 1;
  image.FillRect({x, y, width, 1}, colour);
  image.FillRect({x, y + height - 1, width, 1}, colour);
  image.FillRect({x, y, 1, height}, colour);
  image.FillRect({x + width - 1, y, 1, height}, colour);
  const int baseline = top + (lineHeight - kDigitHeight) / 2 +
                       static_cast<int>(std::lround(typeface::Ascent(DigitScale())));
  float pen = float(x + 1 + kInnerPad);
  for (char digit : text) {
    const int glyph = typeface::GlyphOf(char32_t(digit));
    typeface::DrawGlyph(image, pen, baseline, glyph, DigitScale(), colour);
    pen += typeface::Advance(glyph, 0, DigitScale());
  }
}

}  // namespace refhost::preview
