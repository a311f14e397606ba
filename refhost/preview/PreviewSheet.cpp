#include "refhost/preview/PreviewSheet.h"

#include <algorithm>

#include "refhost/preview/Camera.h"
#include "refhost/preview/Legend.h"
#include "refhost/preview/Palette.h"
#include "refhost/preview/PanelPainter.h"
#include "refhost/preview/TextPainter.h"

namespace refhost::preview {
namespace {

int LabelBand() { return TextHeight() + 2 * kPad; }
int LegendBand() { return LegendHeight() + 2 * kPad; }

int WidestLabel(const std::vector<PreviewMesh>& meshes) {
  int widest = 0;
  for (const PreviewMesh& mesh : meshes) widest = std::max(widest, TextWidth(mesh.label));
  return widest + 2 * kPad;
}

// The part of a panel between its label and its legend.
Rect PictureOf(Rect panel) {
  return {panel.x, panel.y + LabelBand(), panel.width, panel.height - LabelBand() - LegendBand()};
}

void DrawPanel(Image& image, Rect panel, const std::string& label, const Camera& camera,
               const PreviewMesh& mesh, Shading shading) {
  if (panel.x > 0) image.FillRect({panel.x, panel.y, 1, panel.height}, kDivider);
  if (panel.y > 0) image.FillRect({panel.x, panel.y, panel.width, 1}, kDivider);
  DrawText(image, panel.x + kPad, panel.y + kPad, label, kInk);
  PanelPainter painter(image, PictureOf(panel), camera, mesh, shading);
  painter.Paint();
  if (mesh.heat.empty()) return;
  DrawLegend(image,
             {panel.x + kPad, panel.y + panel.height - LegendBand() + kPad, panel.width - 2 * kPad,
              LegendHeight()},
             painter.hottest());
}

}  // namespace

SheetPlan PlanSheet(const std::vector<PreviewMesh>& meshes, const SheetOptions& options) {
  const int count = static_cast<int>(meshes.size());
  const int bands = LabelBand() + LegendBand();
  SheetPlan plan{options.size ? FitGrid(count, *options.size, bands)
                              : GrowGrid(count, WidestLabel(meshes), bands),
                 {}};
  const int room = plan.layout.Panel(0).width - 2 * kPad;
  for (const PreviewMesh& mesh : meshes) plan.labels.push_back(FitText(mesh.label, room));
  return plan;
}

Image DrawSheet(const std::vector<PreviewMesh>& meshes, const SheetOptions& options) {
  const SheetPlan plan = PlanSheet(meshes, options);
  Image image(plan.layout.size.width, plan.layout.size.height, kBackground);
  if (meshes.empty()) return image;
  const Rect picture = PictureOf(plan.layout.Panel(0));
  const Camera camera(options.view, BoundsOf(meshes.front().positions), float(picture.width),
                      float(picture.height));
  for (std::size_t i = 0; i < meshes.size(); ++i) {
    DrawPanel(image, plan.layout.Panel(static_cast<int>(i)), plan.labels[i], camera, meshes[i],
              options.shading);
  }
  return image;
}

}  // namespace refhost::preview
