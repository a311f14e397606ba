#pragma once

#include <vector>

#include "refhost/preview/Camera.h"
#include "refhost/preview/Image.h"

namespace refhost::preview {

// Draws into one panel of an image through a depth buffer, so that what is
// nearer hides what is farther. Whatever falls outside the panel, or has a
// coordinate that is not finite, is left out.
class Rasterizer {
 public:
  Rasterizer(Image& image, Rect panel);

  // A filled triangle with a colour per corner, blended across it.
  void Triangle(const ScreenPoint (&corners)[3], const Rgb (&colours)[3]);
  void Line(ScreenPoint from, ScreenPoint to, Rgb colour);
  // A small square, so that a point stays visible.
  void Point(ScreenPoint at, Rgb colour);

 private:
  // Plots the pixel when nothing nearer is there yet.
  void Plot(int x, int y, float depth, Rgb colour);
  // Cuts the segment to the panel; false when nothing of it is inside.
  bool ClipToPanel(ScreenPoint& from, ScreenPoint& to) const;

  Image& image_;
  Rect panel_;
  std::vector<float> depth_;
};

}  // namespace refhost::preview
