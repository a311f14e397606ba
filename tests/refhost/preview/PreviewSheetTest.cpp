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

// Forty targets of a face rig, as exporters name them.
std::vector<PreviewMesh> FaceRig() {
  const char* const names[] = {
      "browDownLeft",     "browDownRight",      "browInnerUp",     "browOuterUpLeft",
      "browOuterUpRight", "cheekPuff",          "cheekSquintLeft", "cheekSquintRight",
      "eyeBlinkLeft",     "eyeBlinkRight",      "eyeLookDownLeft", "eyeLookDownRight",
      "eyeLookInLeft",    "eyeLookInRight",     "eyeLookOutLeft",  "eyeLookOutRight",
      "eyeLookUpLeft",    "eyeLookUpRight",     "eyeSquintLeft",   "eyeSquintRight",
      "eyeWideLeft",      "eyeWideRight",       "jawForward",      "jawLeft",
      "jawOpen",          "jawRight",           "mouthClose",      "mouthDimpleLeft",
      "mouthDimpleRight", "mouthFrownLeft",     "mouthFrownRight", "mouthFunnel",
      "mouthLeft",        "mouthLowerDownLeft", "mouthPressLeft",  "mouthPucker",
      "mouthRollLower",   "mouthShrugUpper",    "mouthSmileLeft",  "mouthStretchRight"};
  std::vector<PreviewMesh> meshes = {Grid(2, "Head")};
  for (const char* name : names) {
    meshes.push_back(Grid(2, std::string("elem:") + name + "-Head"));
    meshes.back().heat.assign(meshes.back().positions.size(), 0.5f);
  }
  return meshes;
}

// Many targets wrap into rows of panels wide enough for their names, where
// one row of 41 panels left each name as "...".
TEST(PreviewSheetTest, ManyPanelsWrapIntoRowsWithTheirNamesUncut) {
  const std::vector<PreviewMesh> meshes = FaceRig();
  const refhost::preview::SheetPlan plan = refhost::preview::PlanSheet(meshes, {});
  const refhost::preview::SheetLayout& layout = plan.layout;
  EXPECT_GT(layout.rows, 1) << "41 panels must not make one strip";
  EXPECT_GE(layout.columns * layout.rows, 41);
  EXPECT_LE(layout.size.height, refhost::preview::kLargestSheetSide);
  EXPECT_GE(layout.Panel(0).width, 200) << "panels too narrow to read a face";
  for (std::size_t i = 0; i < meshes.size(); ++i)
    EXPECT_EQ(plan.labels[i], meshes[i].label) << "a name was cut at the default size";
  const refhost::preview::Rect last = layout.Panel(40);
  EXPECT_LE(last.x + last.width, layout.size.width) << "a panel lies outside the sheet";
  EXPECT_LE(last.y + last.height, layout.size.height) << "a panel lies outside the sheet";

  const refhost::preview::SheetPlan few =
      refhost::preview::PlanSheet({meshes.begin(), meshes.begin() + 4}, {});
  EXPECT_EQ(few.layout.size.width, 1600) << "a few panels keep the size a sheet always had";
  EXPECT_EQ(few.layout.size.height, 500) << "a few panels keep the size a sheet always had";
}

// A size given is kept to the pixel; the grid then gives the pictures the
// most room, and names are cut only where they must be, to their panels.
TEST(PreviewSheetTest, AGivenSizeIsKeptAndNamesAreCutToTheirPanels) {
  const std::vector<PreviewMesh> meshes = FaceRig();
  const refhost::preview::SheetPlan plan = refhost::preview::PlanSheet(meshes, Sized(1600, 500));
  EXPECT_EQ(plan.layout.size.width, 1600);
  EXPECT_EQ(plan.layout.size.height, 500);
  EXPECT_GT(plan.layout.rows, 1) << "one strip of 41 panels leaves each picture a sliver";
  const int room = plan.layout.Panel(0).width - 16;
  for (std::size_t i = 0; i < meshes.size(); ++i) {
    EXPECT_LE(refhost::preview::TextWidth(plan.labels[i]), room) << plan.labels[i];
    if (plan.labels[i] == meshes[i].label) continue;
    EXPECT_EQ(plan.labels[i].substr(plan.labels[i].size() - 3), "\xE2\x80\xA6") << plan.labels[i];
  }
  const Image image = DrawSheet(meshes, Sized(1600, 500));
  EXPECT_EQ(image.height(), 500) << "the sheet must be drawn at the size given";
}

// A sheet smaller than its labels and legends once failed with a message about
// vectors; it is drawn at its size with whatever fits.
TEST(PreviewSheetTest, SheetsTooSmallForTheirTextsStillDraw) {
  for (const auto& [width, height] : {std::pair{400, 50}, std::pair{1, 1}, std::pair{3, 2000}}) {
    const Image image = DrawSheet({Grid(2, "base"), Grid(2, "target")}, Sized(width, height));
    EXPECT_EQ(image.width(), width);
    EXPECT_EQ(image.height(), height);
  }
}

}  // namespace
