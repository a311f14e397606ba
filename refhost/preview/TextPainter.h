#pragma once

#include <string>

#include "refhost/preview/Image.h"

namespace refhost::preview {

// One line of UTF-8 text in the built-in typeface (Typeface.h), at the one
// size of every label and number on a sheet, its top at `top`. A character
// the typeface lacks, and a control character, is drawn as its code point in
// a frame ("U+53E3"), and a byte that is no UTF-8 as its value ("0x82"), so
// that every name stays readable, and two different names never look alike.
void DrawText(Image& image, int left, int top, const std::string& text, Rgb colour);

// How wide `text` draws, and how tall one line is.
int TextWidth(const std::string& text);
int TextHeight();

// `text` as it is when it fits into `width`, else cut between characters
// with "…" at its end so that it does.
std::string FitText(const std::string& text, int width);

}  // namespace refhost::preview
