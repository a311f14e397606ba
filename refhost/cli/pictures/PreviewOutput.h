#pragma once

#include <string>
#include <vector>

#include "refhost/preview/PreviewMesh.h"
#include "refhost/preview/SheetOptions.h"

namespace refhost::cli {

struct PreviewOptions {
  std::string path;  // empty: no preview
  preview::SheetOptions sheet;
};

// Reads "WxH" into the options; CliError naming --preview-size when it is not
// two whole numbers from 1 to preview::kLargestSheetSide.
void ParsePreviewSize(const std::string& text, PreviewOptions& options);

// Draws the meshes into a PNG file at the options' path, replaced as the
// model outputs are; the error names the file.
void WritePreview(const std::vector<preview::PreviewMesh>& meshes, const PreviewOptions& options);

}  // namespace refhost::cli
