#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "refhost/preview/Characters.h"
#include "refhost/preview/TextPainter.h"
#include "tests/refhost/preview/TestMeshes.h"

namespace {

using refhost::preview::FitText;
using refhost::preview::Image;
using refhost::preview::TextWidth;

constexpr const char* kEllipsis = "\xE2\x80\xA6";

Image Drawn(const std::string& text) {
  Image image(160, refhost::preview::TextHeight() + 4, {255, 255, 255});
  refhost::preview::DrawText(image, 2, 2, text, {0, 0, 0});
  return image;
}

bool SameImage(const Image& a, const Image& b) {
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (!preview_test::SameColour(a.At(x, y), b.At(x, y))) return false;
    }
  }
  return true;
}

// A target named in Japanese or Chinese, or in a file's own 8-bit encoding,
// must stay readable and tell apart from its neighbours: what the typeface
// cannot draw is drawn as its number, never as a question mark.
TEST(TextPainterTest, CharactersWithoutAGlyphDrawAsTheirNumbersNeverAsQuestionMarks) {
  const std::vector<std::string> texts = {"\xE5\x8F\xA3" /* U+53E3 */, "\xE7\x9B\xAE" /* U+76EE */,
                                          "\x82", "\x83", "\t"};
  const Image question = Drawn("?");
  const Image blank = Drawn("");
  std::vector<Image> drawn;
  drawn.reserve(texts.size());
  for (const std::string& text : texts) drawn.push_back(Drawn(text));
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_FALSE(SameImage(drawn[i], blank)) << "text " << i << " drew nothing";
    EXPECT_FALSE(SameImage(drawn[i], question)) << "text " << i << " drew as '?'";
    for (std::size_t j = i + 1; j < texts.size(); ++j)
      EXPECT_FALSE(SameImage(drawn[i], drawn[j])) << "texts " << i << " and " << j << " look alike";
  }
}

TEST(TextPainterTest, LettersOfEuropeanScriptsAreDrawnAsGlyphs) {
  const int box = TextWidth("\xE5\x8F\xA3");
  for (const char* letter :
       {"e", "\xC3\xA9" /* é */, "\xC3\x9F" /* ß */, "\xCE\xA9" /* Ω */, "\xD0\x96" /* Ж */}) {
    EXPECT_LT(TextWidth(letter), box / 2) << letter << " was drawn as a number, not a glyph";
  }
}

// A cut inside a multi-byte character would leave bytes that are no text.
TEST(TextPainterTest, LongNamesAreCutBetweenCharacters) {
  for (const std::string& unit :
       {std::string("\xE5\x8F\xA3"), std::string("\xC3\xA9"), std::string("a\xE5\x8F\xA3")}) {
    std::string name;
    for (int i = 0; i < 200; ++i) name += unit;
    const std::string fitted = FitText(name, 150);
    EXPECT_LE(TextWidth(fitted), 150) << "the cut name runs past its room";
    ASSERT_GT(fitted.size(), 3u);
    const std::string kept = fitted.substr(0, fitted.size() - 3);
    EXPECT_EQ(fitted.substr(kept.size()), kEllipsis) << "a cut name must say it was cut";
    EXPECT_EQ(name.compare(0, kept.size(), kept), 0) << "the cut name is no start of the name";
    for (const refhost::preview::Character& c : refhost::preview::CharactersOf(kept))
      EXPECT_FALSE(c.invalidByte) << "the cut split a character";
  }
  EXPECT_EQ(FitText("elem:smile-body", 400), "elem:smile-body") << "a name that fits is kept";
}

}  // namespace
