#include "refhost/cli/pictures/PreviewOutput.h"

#include "refhost/cli/CliError.h"
#include "refhost/cli/MemoryWatch.h"
#include "refhost/cli/WholeNumber.h"
#include "refhost/files/AtomicFile.h"
#include "refhost/preview/PngEncoder.h"
#include "refhost/preview/PreviewSheet.h"
#include "refhost/preview/SheetLayout.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

bool ParseSide(const std::string& text, int& side) {
  return ParseWholeNumber(text, side) && side >= 1 && side <= preview::kLargestSheetSide;
}

}  // namespace

void ParsePreviewSize(const std::string& text, PreviewOptions& options) {
  const std::size_t x = text.find('x');
  const std::string label = "--preview-size " + Quoted(text);
  if (x == std::string::npos)
    throw CliError(label + ": expected WIDTHxHEIGHT in pixels, e.g. 1600x500");
  preview::SheetSize size;
  if (!ParseSide(text.substr(0, x), size.width) || !ParseSide(text.substr(x + 1), size.height))
    throw CliError(label + ": each side takes a whole number of pixels from 1 to " +
                   std::to_string(preview::kLargestSheetSide));
  options.sheet.size = size;
}

void WritePreview(const std::vector<preview::PreviewMesh>& meshes, const PreviewOptions& options) {
  NamingMemoryShortage(options.path, "drawing the preview", [&] {
    AtomicFile file(options.path);
    file.Write(preview::EncodePng(preview::DrawSheet(meshes, options.sheet)));
    file.Commit();
  });
}

}  // namespace refhost::cli
