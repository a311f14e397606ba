#include "refhost/cli/pictures/PreviewMeshes.h"

#include <charconv>
#include <cmath>

#include "refhost/cli/CliError.h"
#include "refhost/cli/answers/LastDialog.h"
#include "refhost/document/MorphTargets.h"
#include "refhost/text/MessageText.h"

namespace refhost::cli {
namespace {

preview::Vec3 Position(const MQPoint& point) { return {point.x, point.y, point.z}; }

float Distance(const MQPoint& a, const MQPoint& b) {
  const double dx = double(a.x) - b.x, dy = double(a.y) - b.y, dz = double(a.z) - b.z;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

// The elements' vertex indices, one after another, and where each starts.
// Sized first: a dense model has millions of corners, and growing the
// arrays step by step would copy them over and over.
void CopyElements(const ElementList& elements, std::vector<int>& corners,
                  std::vector<int>& starts) {
  const int count = elements.Count();
  starts.resize(static_cast<std::size_t>(count) + 1);
  starts[0] = 0;
  std::size_t total = 0;
  for (int element = 0; element < count; ++element) {
    total += elements.CornersOf(element).size();
    starts[static_cast<std::size_t>(element) + 1] = static_cast<int>(total);
  }
  corners.resize(total);
  int* next = corners.data();
  for (int element = 0; element < count; ++element) {
    for (const Corner& corner : elements.CornersOf(element)) *next++ = corner.vertex;
  }
}

std::string Percent(double weight) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, weight, std::chars_format::general, 6);
  return std::string(text, end.ptr) + "%";
}

const Object* FindByName(const Document& document, const std::string& name) {
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object != nullptr && object->name() == name) return object;
  }
  return nullptr;
}

}  // namespace

preview::PreviewMesh MeshOf(const Object& object, std::string label, const Object* reference) {
  preview::PreviewMesh mesh;
  mesh.label = std::move(label);
  mesh.positions.reserve(object.vertices().size());
  for (const MQPoint& point : object.vertices()) mesh.positions.push_back(Position(point));
  CopyElements(object.elements(ElementKind::Face), mesh.faceCorners, mesh.faceStarts);
  CopyElements(object.elements(ElementKind::Line), mesh.lineCorners, mesh.lineStarts);
  std::vector<int> pointStarts;
  CopyElements(object.elements(ElementKind::Point), mesh.points, pointStarts);
  if (reference != nullptr && reference->VertexCount() == object.VertexCount()) {
    const std::vector<MQPoint>& moved = object.vertices();
    const std::vector<MQPoint>& still = reference->vertices();
    mesh.heat.resize(moved.size());
    for (std::size_t v = 0; v < moved.size(); ++v) mesh.heat[v] = Distance(moved[v], still[v]);
  }
  return mesh;
}

std::vector<preview::PreviewMesh> MergeMeshes(const Document& document, const MenuRun& run) {
  const Object& base = *run.base;
  // Moved in, not listed in braces: an initializer list would copy a mesh of
  // millions of vertices.
  std::vector<preview::PreviewMesh> meshes;
  meshes.push_back(MeshOf(base, base.name()));
  for (const ChosenTarget& chosen : run.chosen) {
    if (chosen.object != nullptr)
      meshes.push_back(
          MeshOf(*chosen.object, chosen.object->name() + " " + Percent(chosen.percent)));
  }
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object != nullptr && run.before.count(object) == 0)
      meshes.push_back(MeshOf(*object, object->name(), &base));
  }
  return meshes;
}

std::vector<preview::PreviewMesh> ShownMeshes(const Document& document,
                                              const std::vector<std::string>& names,
                                              const std::string& modelName) {
  std::vector<const Object*> objects;
  for (const std::string& name : names) {
    const Object* object = FindByName(document, name);
    if (object == nullptr) throw CliError(modelName + ": no object named " + Quoted(name));
    objects.push_back(object);
  }
  for (int index = 0; names.empty() && index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr) continue;
    if (objects.empty() || IsMorphTargetOf(*objects.front(), *object)) objects.push_back(object);
  }
  if (objects.empty()) throw CliError(modelName + ": holds no object");
  std::vector<preview::PreviewMesh> meshes;
  meshes.reserve(objects.size());
  for (const Object* object : objects)
    meshes.push_back(MeshOf(*object, object->name(), meshes.empty() ? nullptr : objects.front()));
  return meshes;
}

}  // namespace refhost::cli
