#include "refhost/preview/SheetLayout.h"

#include <algorithm>

namespace refhost::preview {
namespace {

constexpr int kGrownWidth = 1600;
constexpr int kTallestRow = 500;
// A grown sheet's panels are at least this wide, so that a model stays
// readable, and grow for long labels no wider than the widest.
constexpr int kNarrowestPanel = 240;
constexpr int kWidestPanel = 480;

int Ceiling(int dividend, int divisor) { return (dividend + divisor - 1) / divisor; }

SheetLayout Grid(SheetSize size, int count, int columns) {
  return {size, columns, Ceiling(count, columns)};
}

// A picture a little taller than wide, as heads and figures are.
int RowHeight(int panelWidth, int bandsHeight) {
  return std::min(kTallestRow, bandsHeight + panelWidth * 5 / 4);
}

}  // namespace

Rect SheetLayout::Panel(int index) const {
  const int width = size.width / columns;
  const int height = size.height / rows;
  return {index % columns * width, index / columns * height, width, height};
}

SheetLayout FitGrid(int count, SheetSize size, int bandsHeight) {
  int best = 1;
  int bestSide = -1;
  for (int columns = 1; columns <= count; ++columns) {
    const SheetLayout grid = Grid(size, count, columns);
    const Rect panel = grid.Panel(0);
    const int side = std::min(panel.width, panel.height - bandsHeight);
    if (side > bestSide) {
      best = columns;
      bestSide = side;
    }
  }
  return Grid(size, std::max(count, 1), best);
}

SheetLayout GrowGrid(int count, int neededWidth, int bandsHeight) {
  count = std::max(count, 1);
  const int least = std::clamp(neededWidth, kNarrowestPanel, kWidestPanel);
  int columns = std::clamp(kGrownWidth / least, 1, count);
  const int rowHeight = RowHeight(std::max(least, kGrownWidth / columns), bandsHeight);
  const int mostRows = std::max(kLargestSheetSide / rowHeight, 1);
  if (Ceiling(count, columns) > mostRows) columns = Ceiling(count, mostRows);
  const int rows = Ceiling(count, columns);
  const SheetSize size{std::min(std::max(kGrownWidth, columns * least), kLargestSheetSide),
                       std::min(rows * rowHeight, kLargestSheetSide)};
  return Grid(size, count, columns);
}

}  // namespace refhost::preview
