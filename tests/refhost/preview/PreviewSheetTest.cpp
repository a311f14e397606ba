#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "refhost/preview/PngEncoder.h"
#include "refhost/preview/PreviewSheet.h"
#include "refhost/preview/TextPainter.h"
#include "tests/refhost/preview/TestMeshes.h"

namespace {

using preview_test::Grid;
using refhost::preview::DrawSheet;
using refhost::preview::Image;
using refhost::preview::PreviewMesh;
using refhost::preview::SheetOptions;
using refhost::preview::Vec3;

SheetOptions Sized(int width, int height) { return {refhost::preview::SheetSize{width, height}}; }

bool SamePixel(const Image& image, int x1, int x2, int y) {
  const auto a = image.At(x1, y);
  const auto b = image.At(x2, y);
  return a.r == b.r && a.g == b.g && a.b == b.b;
}

TEST(PreviewSheetTest, HasTheRequestedSizeAndTheSameBytesEveryTime) {
  const std::vector<PreviewMesh> meshes = {Grid(4, "base"), Grid(4, "target")};
  const Image first = DrawSheet(meshes, Sized(321, 123));
  EXPECT_EQ(first.width(), 321);
  EXPECT_EQ(first.height(), 123);
  const std::string png = refhost::preview::EncodePng(first);
  EXPECT_EQ(png.substr(1, 3), "PNG") << "not a PNG file";
  EXPECT_EQ(png, refhost::preview::EncodePng(DrawSheet(meshes, Sized(321, 123))))
      << "drawing the same meshes twice gave different files";
}

TEST(PreviewSheetTest, MovedPanelDiffersFromTheBaseOnlyWhereItMoved) {
  const PreviewMesh base = Grid(8, "");
  PreviewMesh moved = base;
  moved.positions[40].y = 1.5f;  // one inner vertex, near the grid's middle
  const int panelWidth = 200;
  const Image image = DrawSheet({base, moved}, Sized(2 * panelWidth, 200));
  int differing = 0;
  int farFromTheMove = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 1; x < panelWidth; ++x) {
      if (SamePixel(image, x, x + panelWidth, y)) continue;
      ++differing;
      // The moved vertex and its four quads project to the panel's middle.
      if (std::abs(x - panelWidth / 2) > panelWidth / 4 || std::abs(y - 100) > 60) ++farFromTheMove;
    }
  }
  EXPECT_GT(differing, 0) << "the moved vertex changed nothing in its panel";
  EXPECT_EQ(farFromTheMove, 0) << "pixels changed where nothing moved";
}

TEST(PreviewSheetTest, ColourRisesWithTheDistanceMoved) {
  // Three quads in a row, moved 0, half and all of the most.
  PreviewMesh row;
  row.faceStarts.push_back(0);
  for (int quad = 0; quad < 3; ++quad) {
    const float left = float(quad) * 2;
    const int first = static_cast<int>(row.positions.size());
    row.positions.insert(row.positions.end(),
                         {{left, 0, 0}, {left, 0, 1}, {left + 1, 0, 1}, {left + 1, 0, 0}});
    row.heat.insert(row.heat.end(), 4, float(quad) / 2);
    row.faceCorners.insert(row.faceCorners.end(), {first, first + 1, first + 2, first + 3});
    row.faceStarts.push_back(static_cast<int>(row.faceCorners.size()));
  }
  const Image image = DrawSheet({row}, Sized(600, 300));
  // Each quad is one colour; above the legend, order the colours left to right.
  std::map<int, std::pair<long, long>> columnsByGreen;  // green -> sum of x, pixels
  for (int y = 0; y < image.height() - 80; ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const auto pixel = image.At(x, y);
      if (pixel.r == pixel.g && pixel.g == pixel.b) continue;  // background and text
      columnsByGreen[pixel.g].first += x;
      ++columnsByGreen[pixel.g].second;
    }
  }
  ASSERT_EQ(columnsByGreen.size(), 3u) << "each quad must be drawn in one colour of its own";
  std::vector<std::pair<double, int>> greenByColumn;
  greenByColumn.reserve(columnsByGreen.size());
  for (const auto& [green, sum] : columnsByGreen)
    greenByColumn.push_back({double(sum.first) / double(sum.second), green});
  std::sort(greenByColumn.begin(), greenByColumn.end());
  // Green rises through the whole colour map, and the quads are equally lit.
  EXPECT_LT(greenByColumn[0].second, greenByColumn[1].second) << "colour fell as the distance rose";
  EXPECT_LT(greenByColumn[1].second, greenByColumn[2].second) << "colour fell as the distance rose";
}

TEST(PreviewSheetTest, PositionsBeyondAnyScaleDrawWithoutHarm) {
  PreviewMesh wild = Grid(2, "wild");
  const float huge = std::numeric_limits<float>::max();
  wild.positions[0] = {huge, -huge, huge};
  wild.positions[1] = {std::numeric_limits<float>::quiet_NaN(), 0, 0};
  wild.lineCorners = {0, 1, 2};
  wild.lineStarts = {0, 3};
  wild.points = {0, 1, 4};
  const Image image = DrawSheet({Grid(2, "base"), wild}, Sized(200, 100));
  EXPECT_EQ(image.width(), 200) << "a sheet with extreme positions must still be drawn";
}

TEST(PreviewSheetTest, LongLabelsAreCutToThePanel) {
  const std::string name(10000, 'm');
  const std::string fitted = refhost::preview::FitText(name, 300);
  EXPECT_LE(refhost::preview::TextWidth(fitted), 300) << "the label runs past its panel";
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "\xE2\x80\xA6") << "a cut label must say it was cut";
}

}  // namespace
