#include <gtest/gtest.h>

#include <algorithm>

#include "refhost/preview/Legend.h"
#include "refhost/preview/TextPainter.h"

namespace {

using refhost::preview::LegendTexts;
using refhost::preview::PlacedText;
using refhost::preview::TextWidth;

// However narrow a panel, the numbers of its scale never run into each
// other or out of the legend; a text that does not fit is left out.
TEST(LegendTest, TextsNeverOverlapNorLeaveTheLegend) {
  for (float hottest : {0.0f, 0.0112f, 1234567.0f, 1e-7f, 3.0e38f}) {
    for (int width = 0; width <= 400; ++width) {
      std::vector<PlacedText> texts = LegendTexts(width, hottest);
      std::sort(texts.begin(), texts.end(),
                [](const PlacedText& a, const PlacedText& b) { return a.x < b.x; });
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const int right = texts[i].x + TextWidth(texts[i].text);
        EXPECT_GE(texts[i].x, 0) << width << " px: " << texts[i].text << " starts outside";
        EXPECT_LE(right, width) << width << " px: " << texts[i].text << " ends outside";
        if (i + 1 == texts.size()) continue;
        EXPECT_LT(right, texts[i + 1].x)
            << width << " px: " << texts[i].text << " runs into " << texts[i + 1].text;
      }
    }
  }
  EXPECT_EQ(LegendTexts(300, 0.0224f).size(), 3u) << "a wide legend shows 0, the top and caption";
}

}  // namespace
