#pragma once

#include <string>
#include <vector>

#include "refhost/preview/Image.h"
#include "refhost/preview/PreviewMesh.h"
#include "refhost/preview/SheetLayout.h"
#include "refhost/preview/SheetOptions.h"

namespace refhost::preview {

// Where a sheet's panels go (their grid, SheetLayout.h), and each mesh's
// label as it fits its panel.
struct SheetPlan {
  SheetLayout layout;
  std::vector<std::string> labels;
};
SheetPlan PlanSheet(const std::vector<PreviewMesh>& meshes, const SheetOptions& options);

// The meshes in their panels as PlanSheet lays them out, labelled, lit by one light
// (back faces darker), all seen through one camera fitted to the first mesh,
// so that the panels compare directly. A mesh with heat values is coloured by
// them through viridis, and its panel gets a legend of the scale.
Image DrawSheet(const std::vector<PreviewMesh>& meshes, const SheetOptions& options);

}  // namespace refhost::preview
