#pragma once

#include <string>

#include "refhost/preview/Characters.h"
#include "refhost/preview/Image.h"

// A character that the typeface cannot draw, written as its number in small
// digits in a frame: "U+53E3" for a code point, "0x82" for a byte that is no
// UTF-8. So a name stays tellable from its neighbours in any script.
namespace refhost::preview {

std::string CodeBoxText(const Character& character);

// How far the pen moves past the box, a pixel of space on either side.
float CodeBoxAdvance(const std::string& text);

// The box on a line `lineHeight` tall whose top-left corner is (left, top).
void DrawCodeBox(Image& image, int left, int top, int lineHeight, const std::string& text,
                 Rgb colour);

}  // namespace refhost::preview
