#pragma once

#include <string>

#include "refhost/preview/Image.h"

namespace refhost::preview {

// The image as the bytes of a PNG file; the same image gives the same bytes.
std::string EncodePng(const Image& image);

}  // namespace refhost::preview
