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

// Each reads an option's text into the options; a CliError naming the option
// and what it takes when the text is not one of its values. --preview-size
// takes "WxH", two whole numbers from 1 to preview::kLargestSheetSide.
void ParsePreviewSize(const std::string& text, PreviewOptions& options);
void ParseView(const std::string& text, PreviewOptions& options);
void ParseShading(const std::string& text, PreviewOptions& options);

// The values --view and --shading take, for the help.
std::string ViewNames();
std::string ShadingNames();

// Draws the meshes into a PNG file at the options' path, replaced as the
// model outputs are; the error names the file.
void WritePreview(const std::vector<preview::PreviewMesh>& meshes, const PreviewOptions& options);

}  // namespace refhost::cli
