#pragma once

#include "refhost/preview/Image.h"
#include "refhost/preview/Vec3.h"

namespace refhost::preview {

// How bright a surface is whose normal in view space is `normal`, of any
// length: one light from the upper left in front, and some ambient light. A
// face seen from behind is lit from its own side, and darkened, so that an
// open mesh's inside stands apart from its outside.
float Brightness(Vec3 normal, bool seenFromFront);

// The colour scaled by a brightness, each channel rounded and kept to 255.
Rgb Lit(Rgb colour, float brightness);

}  // namespace refhost::preview
