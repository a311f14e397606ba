#include "refhost/preview/Legend.h"

#include <algorithm>
#include <charconv>

#include "refhost/preview/ColorMap.h"
#include "refhost/preview/Palette.h"
#include "refhost/preview/TextPainter.h"

namespace refhost::preview {
namespace {

constexpr int kBarHeight = 12;
constexpr int kBarGap = 4;

std::string Number(float value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 3);
  return std::string(text, result.ptr);
}

}  // namespace

std::vector<PlacedText> LegendTexts(int width, float hottest) {
  std::vector<PlacedText> texts;
  const std::string top = Number(hottest);
  const int topLeft = width - TextWidth(top);
  if (topLeft < 0) return texts;
  texts.push_back({top, topLeft});
  const std::string zero = "0";
  const int zeroRight = TextWidth(zero);
  if (zeroRight + kPad > topLeft) return texts;
  texts.push_back({zero, 0});
  const std::string caption = "moved";
  const int captionWidth = TextWidth(caption);
  const int captionLeft = (width - captionWidth) / 2;
  if (captionLeft >= zeroRight + kPad && captionLeft + captionWidth + kPad <= topLeft)
    texts.push_back({caption, captionLeft});
  return texts;
}

int LegendHeight() { return kBarHeight + kBarGap + TextHeight(); }

void DrawLegend(Image& image, Rect area, float hottest) {
  for (int x = 0; x < area.width; ++x) {
    image.FillRect(
        {area.x + x, area.y, 1, kBarHeight},
        Viridis(static_cast<float>(x) / static_cast<float>(std::max(area.width - 1, 1))));
  }
  for (const PlacedText& text : LegendTexts(area.width, hottest))
    DrawText(image, area.x + text.x, area.y + kBarHeight + kBarGap, text.text, kInk);
}

}  // namespace refhost::preview
