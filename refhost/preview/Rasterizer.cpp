#include "refhost/preview/Rasterizer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace refhost::preview {
namespace {

bool Finite(const ScreenPoint& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.depth);
}

// Twice the signed area of the triangle (a, b, c): positive when c lies to
// the left of a->b in pixel coordinates.
float Edge(const ScreenPoint& a, const ScreenPoint& b, float x, float y) {
  return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}

std::uint8_t Mix(const Rgb (&colours)[3], const float (&weights)[3], std::uint8_t Rgb::*channel) {
  const float value = weights[0] * static_cast<float>(colours[0].*channel) +
                      weights[1] * static_cast<float>(colours[1].*channel) +
                      weights[2] * static_cast<float>(colours[2].*channel);
  return static_cast<std::uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

// One over twice the triangle's signed area; false when it has none.
bool InverseArea(const ScreenPoint (&p)[3], float& perArea) {
  const float area = Edge(p[0], p[1], p[2].x, p[2].y);
  if (!(area != 0) || !std::isfinite(area)) return false;
  perArea = 1 / area;
  return true;
}

// Whether pixel (x, y) has its centre in the triangle, with the centre's
// weight for each corner.
bool Inside(const ScreenPoint (&p)[3], float perArea, int x, int y, float (&weights)[3]) {
  const float cx = static_cast<float>(x) + 0.5f;
  const float cy = static_cast<float>(y) + 0.5f;
  weights[0] = Edge(p[1], p[2], cx, cy) * perArea;
  weights[1] = Edge(p[2], p[0], cx, cy) * perArea;
  weights[2] = Edge(p[0], p[1], cx, cy) * perArea;
  // Tested together, not one by one: whether a centre is inside a thin face
  // is a coin toss that no branch predictor wins.
  return !((weights[0] < 0) | (weights[1] < 0) | (weights[2] < 0));
}

// The smallest whole number at or above `value` (above it, when `strictly`),
// kept within low..high; low is never negative, so truncation floors. The
// maths library's ceil and floor are calls on this target, and this runs for
// every face.
int WholeAbove(float value, bool strictly, int low, int high) {
  if (!(value >= float(low))) return low;
  if (value >= float(high)) return high;
  const int floor = static_cast<int>(value);
  return strictly || float(floor) < value ? floor + 1 : floor;
}

// Of three finite values; compared by value, not through an initializer list,
// whose min and max pick by address and so stall on memory for every face.
float Least(float a, float b, float c) { return std::min(std::min(a, b), c); }
float Most(float a, float b, float c) { return std::max(std::max(a, b), c); }

}  // namespace

// A panel too small for its texts has no room left for a picture.
Rasterizer::Rasterizer(Image& image, Rect panel)
    : image_(image),
      panel_({panel.x, panel.y, std::max(panel.width, 0), std::max(panel.height, 0)}),
      depth_(static_cast<std::size_t>(panel_.width) * static_cast<std::size_t>(panel_.height),
             -std::numeric_limits<float>::infinity()) {}

void Rasterizer::Plot(int x, int y, float depth, Rgb colour) {
  if (x < panel_.x || y < panel_.y || x >= panel_.x + panel_.width || y >= panel_.y + panel_.height)
    return;
  float& nearest = depth_[static_cast<std::size_t>(y - panel_.y) * panel_.width + (x - panel_.x)];
  if (!(depth > nearest)) return;
  nearest = depth;
  image_.Set(x, y, colour);
}

Rasterizer::PixelSpan Rasterizer::Span(const ScreenPoint (&p)[3]) const {
  if (!Finite(p[0]) || !Finite(p[1]) || !Finite(p[2])) return {};
  const int right = panel_.x + panel_.width;
  const int bottom = panel_.y + panel_.height;
  // Pixel x is a candidate when its centre x + 0.5 lies within the box.
  return {WholeAbove(Least(p[0].x, p[1].x, p[2].x) - 0.5f, false, panel_.x, right),
          WholeAbove(Most(p[0].x, p[1].x, p[2].x) - 0.5f, true, panel_.x, right),
          WholeAbove(Least(p[0].y, p[1].y, p[2].y) - 0.5f, false, panel_.y, bottom),
          WholeAbove(Most(p[0].y, p[1].y, p[2].y) - 0.5f, true, panel_.y, bottom)};
}

bool Rasterizer::Covers(const PixelSpan& span, const ScreenPoint (&p)[3]) const {
  float perArea = 0;
  if (span.empty() || !InverseArea(p, perArea)) return false;
  for (int y = span.top; y < span.bottom; ++y) {
    for (int x = span.left; x < span.right; ++x) {
      float weights[3];
      if (Inside(p, perArea, x, y, weights)) return true;
    }
  }
  return false;
}

void Rasterizer::Triangle(const PixelSpan& span, const ScreenPoint (&p)[3],
                          const Rgb (&colours)[3]) {
  float perArea = 0;
  if (span.empty() || !InverseArea(p, perArea)) return;
  for (int y = span.top; y < span.bottom; ++y) {
    for (int x = span.left; x < span.right; ++x) {
      float weights[3];
      if (!Inside(p, perArea, x, y, weights)) continue;
      const float depth =
          weights[0] * p[0].depth + weights[1] * p[1].depth + weights[2] * p[2].depth;
      Plot(x, y, depth,
           {Mix(colours, weights, &Rgb::r), Mix(colours, weights, &Rgb::g),
            Mix(colours, weights, &Rgb::b)});
    }
  }
}

bool Rasterizer::ClipToPanel(ScreenPoint& from, ScreenPoint& to) const {
  float enter = 0;
  float leave = 1;
  const float dx = to.x - from.x;
  const float dy = to.y - from.y;
  // Each side of the panel as "p * t <= q" for the share t along the segment.
  const float sides[4][2] = {{-dx, from.x - float(panel_.x)},
                             {dx, float(panel_.x + panel_.width) - from.x},
                             {-dy, from.y - float(panel_.y)},
                             {dy, float(panel_.y + panel_.height) - from.y}};
  for (const auto& [p, q] : sides) {
    if (p == 0) {
      if (q < 0) return false;
      continue;
    }
    const float t = q / p;
    if (p < 0) enter = std::max(enter, t);
    if (p > 0) leave = std::min(leave, t);
  }
  if (enter > leave) return false;
  const ScreenPoint start = from;
  const auto at = [&](float t) {
    return ScreenPoint{start.x + dx * t, start.y + dy * t,
                       start.depth + (to.depth - start.depth) * t};
  };
  to = at(leave);
  from = at(enter);
  return true;
}

void Rasterizer::Line(ScreenPoint from, ScreenPoint to, Rgb colour) {
  if (!Finite(from) || !Finite(to) || !ClipToPanel(from, to)) return;
  const int steps =
      static_cast<int>(std::ceil(std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)))) + 1;
  for (int i = 0; i <= steps; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(steps);
    Plot(static_cast<int>(std::floor(from.x + (to.x - from.x) * t)),
         static_cast<int>(std::floor(from.y + (to.y - from.y) * t)),
         from.depth + (to.depth - from.depth) * t, colour);
  }
}

void Rasterizer::Point(ScreenPoint at, Rgb colour) {
  const bool nearPanel = at.x > float(panel_.x - 2) && at.x < float(panel_.x + panel_.width + 2) &&
                         at.y > float(panel_.y - 2) && at.y < float(panel_.y + panel_.height + 2);
  if (!Finite(at) || !nearPanel) return;
  const int cx = static_cast<int>(std::floor(at.x));
  const int cy = static_cast<int>(std::floor(at.y));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) Plot(cx + dx, cy + dy, at.depth, colour);
  }
}

}  // namespace refhost::preview
