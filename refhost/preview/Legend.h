#pragma once

#include <string>
#include <vector>

#include "refhost/preview/Image.h"

namespace refhost::preview {

// A text of the legend and where it starts, from the legend's left edge.
struct PlacedText {
  std::string text;
  int x = 0;
};

// The legend's texts in a legend `width` pixels wide: the top value at the
// right end, 0 at the left and the caption between, in that order of need;
// each only where it keeps a gap to those before it, so that none overlap.
std::vector<PlacedText> LegendTexts(int width, float hottest);

// How tall the legend draws: the colour bar and a line of text under it.
int LegendHeight();

// The colour bar from 0 to `hottest` across `area`'s width at its top, and
// the LegendTexts under it.
void DrawLegend(Image& image, Rect area, float hottest);

}  // namespace refhost::preview
