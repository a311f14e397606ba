#include <gtest/gtest.h>

#include <cmath>

#include "refhost/preview/Rasterizer.h"

namespace {

using refhost::preview::Image;
using refhost::preview::Rasterizer;
using refhost::preview::Rgb;
using refhost::preview::ScreenPoint;

struct TriangleCase {
  const char* what;
  ScreenPoint corners[3];
  bool covers;
};

// Covers decides which faces get shaded at all, so it must agree with what
// Triangle then draws: a face it wrongly refuses leaves a hole.
TEST(RasterizerTest, CoversExactlyTheTrianglesThatDraw) {
  const TriangleCase cases[] = {
      {"holds a centre", {{1, 1, 0}, {4, 1, 0}, {1, 4, 0}}, true},
      {"sliver between centres, box holds some", {{1, 1.1f, 0}, {3, 3.1f, 0}, {3, 3, 0}}, false},
      {"no area", {{1, 1, 0}, {2, 2, 0}, {3, 3, 0}}, false},
      {"corner not finite", {{1, 1, 0}, {4, 1, 0}, {NAN, 4, 0}}, false},
  };
  const Rgb white{255, 255, 255};
  for (const TriangleCase& c : cases) {
    Image image(8, 8, {0, 0, 0});
    Rasterizer rasterizer(image, {0, 0, 8, 8});
    const Rasterizer::PixelSpan span = rasterizer.Span(c.corners);
    EXPECT_EQ(rasterizer.Covers(span, c.corners), c.covers) << c.what;
    rasterizer.Triangle(span, c.corners, {white, white, white});
    bool drawn = false;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) drawn = drawn || image.At(x, y).r == 255;
    }
    EXPECT_EQ(drawn, c.covers) << c.what << ": Covers and Triangle disagree";
  }
}

}  // namespace
