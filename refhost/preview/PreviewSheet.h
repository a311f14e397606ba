#pragma once

#include <vector>

#include "refhost/preview/Image.h"
#include "refhost/preview/PreviewMesh.h"
#include "refhost/preview/SheetOptions.h"

namespace refhost::preview {

// The meshes side by side, one panel each, labelled, lit by one light (back
// faces darker), all seen through one camera fitted to the first mesh, so
// that the panels compare directly. A mesh with heat values is
// coloured by them through viridis, and its panel gets a legend of the scale.
Image DrawSheet(const std::vector<PreviewMesh>& meshes, const SheetOptions& options);

}  // namespace refhost::preview
