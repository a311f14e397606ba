#pragma once

#include <string>

#include "refhost/preview/Image.h"

namespace refhost::preview {

// Plain text in a small built-in font, `scale` image pixels to a font pixel.
// Characters outside printable ASCII are drawn as '?'.
void DrawText(Image& image, int left, int top, const std::string& text, int scale, Rgb colour);

// How wide `text` draws at `scale`, and how tall one line is.
int TextWidth(const std::string& text, int scale);
int TextHeight(int scale);

// `text` cut, with "..." at its end, so that it draws no wider than `width`.
std::string FitText(const std::string& text, int width, int scale);

}  // namespace refhost::preview
