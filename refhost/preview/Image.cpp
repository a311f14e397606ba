#include "refhost/preview/Image.h"

#include <algorithm>

namespace refhost::preview {

Image::Image(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), background) {}

void Image::Set(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[Index(x, y)] = colour;
}

void Image::Blend(int x, int y, Rgb colour, std::uint8_t coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  Rgb& pixel = pixels_[Index(x, y)];
  const auto mix = [coverage](std::uint8_t under, std::uint8_t over) {
    return static_cast<std::uint8_t>((under * (255 - coverage) + over * coverage + 127) / 255);
  };
  pixel = {mix(pixel.r, colour.r), mix(pixel.g, colour.g), mix(pixel.b, colour.b)};
}

void Image::FillRect(Rect rect, Rgb colour) {
  const int left = std::max(rect.x, 0);
  const int top = std::max(rect.y, 0);
  const int right = std::min(rect.x + rect.width, width_);
  const int bottom = std::min(rect.y + rect.height, height_);
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) {
    std::fill(pixels_.begin() + static_cast<std::ptrdiff_t>(Index(left, y)),
              pixels_.begin() + static_cast<std::ptrdiff_t>(Index(right, y)), colour);
  }
}

}  // namespace refhost::preview
