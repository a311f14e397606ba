#pragma once

#include "refhost/preview/Image.h"
#include "refhost/preview/SheetOptions.h"

namespace refhost::preview {

// The most pixels a sheet has on a side.
inline constexpr int kLargestSheetSide = 16384;

// Panels in a grid, row after row, each panel as large as the sheet's size
// divided among the columns and rows; pixels left over stay at the right and
// bottom edges.
struct SheetLayout {
  SheetSize size;
  int columns = 1;
  int rows = 1;

  Rect Panel(int index) const;
};

// Of the grids that hold `count` panels in `size`, the one whose pictures
// (a panel less `bandsHeight` pixels of text) can show a model largest.
SheetLayout FitGrid(int count, SheetSize size, int bandsHeight);

// A sheet sized for `count` panels, each at least `neededWidth` wide (within
// bounds) for its label: 1600 pixels wide, or as wide as its columns need, a
// row of panels up to 500 pixels high; so one row of a few panels keeps the
// size a single row always had, and many panels wrap into rows. Past
// kLargestSheetSide, rows make way for columns, and then panels shrink.
SheetLayout GrowGrid(int count, int neededWidth, int bandsHeight);

}  // namespace refhost::preview
