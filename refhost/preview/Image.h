#pragma once

#include <cstdint>
#include <vector>

// An 8-bit RGB picture, rows from the top.
namespace refhost::preview {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class Image {
 public:
  Image(int width, int height, Rgb background);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  // Pixels outside the picture are dropped.
  void Set(int x, int y, Rgb colour);
  // Mixes `colour` into the pixel by `coverage`, 0 (none) to 255 (all).
  void Blend(int x, int y, Rgb colour, std::uint8_t coverage);
  void FillRect(Rect rect, Rgb colour);
  const std::uint8_t* data() const { return &pixels_.front().r; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

static_assert(sizeof(Rgb) == 3, "rows are packed RGB bytes");

}  // namespace refhost::preview
