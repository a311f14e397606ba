#pragma once

#include <optional>

#include "refhost/preview/Camera.h"

namespace refhost::preview {

// Smooth shading lights each vertex by the normal of the faces around it and
// blends across each face, so that a curved surface reads as curved; flat
// shading lights each face by its own normal, to show the facets.
enum class Shading { Smooth, Flat };

struct SheetSize {
  int width = 0;
  int height = 0;
};

// How a sheet of panels is drawn.
struct SheetOptions {
  std::optional<SheetSize> size;  // none: as large as the panels need
  View view = View::NearFront;
  Shading shading = Shading::Smooth;
};

}  // namespace refhost::preview
