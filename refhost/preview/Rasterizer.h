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

  // The panel pixels whose centres a triangle's box holds; empty when a
  // corner is not finite. Most faces of a dense model hold none, and are
  // left before they are shaded.
  struct PixelSpan {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool empty() const { return left >= right || top >= bottom; }
  };
  PixelSpan Span(const ScreenPoint (&p)[3]) const;
  // Whether the triangle holds the centre of any pixel of `span`, its Span.
  // Few faces of a dense model do, and only those need shading.
  bool Covers(const PixelSpan& span, const ScreenPoint (&p)[3]) const;

  // A filled triangle with a colour per corner, blended across it; `span` is
  // its Span.
  void Triangle(const PixelSpan& span, const ScreenPoint (&p)[3], const Rgb (&colours)[3]);
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
