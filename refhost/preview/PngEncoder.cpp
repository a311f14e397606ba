#include "refhost/preview/PngEncoder.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb/stb_image_write.h>

#include <new>

namespace refhost::preview {
namespace {

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                             static_cast<std::size_t>(size));
}

}  // namespace

std::string EncodePng(const Image& image) {
  std::string bytes;
  const int rowBytes = image.width() * 3;
  if (stbi_write_png_to_func(Append, &bytes, image.width(), image.height(), 3, image.data(),
                             rowBytes) == 0)
    throw std::bad_alloc();
  return bytes;
}

}  // namespace refhost::preview
