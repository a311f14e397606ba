#pragma once

#include "refhost/preview/Image.h"

// The colours and spacing that every part of a sheet shares.
namespace refhost::preview {

inline constexpr Rgb kBackground{250, 250, 250};
inline constexpr Rgb kInk{30, 30, 30};
inline constexpr Rgb kSurface{196, 204, 218};
inline constexpr Rgb kDivider{210, 210, 210};
// Pixels between a panel's edge and its text, and between texts.
inline constexpr int kPad = 8;

}  // namespace refhost::preview
