#include "refhost/preview/PreviewSheet.h"

#include <algorithm>
#include <string>

#include "refhost/preview/Camera.h"
#include "refhost/preview/Legend.h"
#include "refhost/preview/Palette.h"
#include "refhost/preview/PanelPainter.h"
#include "refhost/preview/TextPainter.h"

namespace refhost::preview {

Image DrawSheet(const std::vector<PreviewMesh>& meshes, const SheetOptions& options) {
  const int width = options.size.width;
  const int height = options.size.height;
  Image image(width, height, kBackground);
  if (meshes.empty()) return image;
  const int count = static_cast<int>(meshes.size());
  const int labelHeight = TextHeight() + 2 * kPad;
  const int legendHeight = LegendHeight() + 2 * kPad;
  const int panelWidth = width / count;
  const Camera camera(options.view, BoundsOf(meshes.front().positions), float(panelWidth),
                      float(std::max(height - labelHeight - legendHeight, 1)));
  for (int i = 0; i < count; ++i) {
    const PreviewMesh& mesh = meshes[static_cast<std::size_t>(i)];
    const int left = i * panelWidth;
    if (i > 0) image.FillRect({left, 0, 1, height}, kDivider);
    DrawText(image, left + kPad, kPad, FitText(mesh.label, panelWidth - 2 * kPad), kInk);
    PanelPainter painter(image,
                         {left, labelHeight, panelWidth, height - labelHeight - legendHeight},
                         camera, mesh, options.shading);
    painter.Paint();
    if (!mesh.heat.empty()) {
      DrawLegend(image,
                 {left + kPad, height - legendHeight + kPad, panelWidth - 2 * kPad, LegendHeight()},
                 painter.hottest());
    }
  }
  return image;
}

}  // namespace refhost::preview
