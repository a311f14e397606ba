#pragma once

#include <array>

namespace refhost {

// The numbers a model file gives a vertex after its position, such as a
// colour (r g b, with or without alpha) or a weight. They are kept with the
// vertex so that they follow it into a copy of its object.
struct VertexExtras {
  static constexpr int kMost = 4;
  std::array<float, kMost> values{};
  int count = 0;
};

}  // namespace refhost
