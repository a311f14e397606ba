#pragma once

#include "refhost/preview/Image.h"

namespace refhost::preview {

// The viridis colour map: dark violet at 0 through blue and green to yellow
// at 1, evenly bright to the eye; values outside 0..1 take the nearest end.
Rgb Viridis(float value);

}  // namespace refhost::preview
