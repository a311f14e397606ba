#pragma once

#include <vector>

#include "refhost/preview/Image.h"
#include "refhost/preview/PreviewMesh.h"

namespace refhost::preview {

// The meshes side by side, one panel each, labelled, flat-shaded with one
// light (back faces darker), all seen through the camera fitted to the first
// mesh, so that the panels compare directly. A mesh with heat values is
// coloured by them through viridis, and its panel gets a legend of the scale.
Image DrawSheet(const std::vector<PreviewMesh>& meshes, int width, int height);

}  // namespace refhost::preview
