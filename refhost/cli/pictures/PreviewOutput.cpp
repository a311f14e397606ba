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

template <class Value>
struct Named {
  const char* name;
  Value value;
};

constexpr Named<preview::View> kViews[] = {{"front", preview::View::Front},
                                           {"side", preview::View::Side},
                                           {"back", preview::View::Back},
                                           {"top", preview::View::Top},
                                           {"three-quarter", preview::View::ThreeQuarter}};
constexpr Named<preview::Shading> kShadings[] = {{"smooth", preview::Shading::Smooth},
                                                 {"flat", preview::Shading::Flat}};

// "a, b or c".
template <class Value, std::size_t count>
std::string NamesOf(const Named<Value> (&names)[count]) {
  std::string list;
  for (std::size_t i = 0; i < count; ++i)
    list += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::string(names[i].name);
  return list;
}

template <class Value, std::size_t count>
Value ValueNamed(const std::string& option, const std::string& text,
                 const Named<Value> (&names)[count]) {
  for (const Named<Value>& named : names) {
    if (text == named.name) return named.value;
  }
  throw CliError(option + " " + Quoted(text) + ": expected " + NamesOf(names));
}

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

void ParseView(const std::string& text, PreviewOptions& options) {
  options.sheet.view = ValueNamed("--view", text, kViews);
}

void ParseShading(const std::string& text, PreviewOptions& options) {
  options.sheet.shading = ValueNamed("--shading", text, kShadings);
}

std::string ViewNames() { return NamesOf(kViews); }
std::string ShadingNames() { return NamesOf(kShadings); }

void WritePreview(const std::vector<preview::PreviewMesh>& meshes, const PreviewOptions& options) {
  NamingMemoryShortage(options.path, "drawing the preview", [&] {
    AtomicFile file(options.path);
    file.Write(preview::EncodePng(preview::DrawSheet(meshes, options.sheet)));
    file.Commit();
  });
}

}  // namespace refhost::cli
