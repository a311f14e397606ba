#pragma once

#include "refhost/preview/Image.h"

// Pixel checks that the preview tests share.
namespace preview_test {

inline bool SameColour(refhost::preview::Rgb a, refhost::preview::Rgb b) {
  return a.r == b.r && a.g == b.g && a.b == b.b;
}

}  // namespace preview_test
