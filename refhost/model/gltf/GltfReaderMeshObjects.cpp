#include "refhost/model/gltf/GltfReaderMeshObjects.h"

#include <algorithm>
#include <unordered_set>

#include "refhost/document/MorphTargets.h"
#include "refhost/host/Host.h"
#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfReaderMeshPositions.h"

namespace refhost {
namespace {

// Object names given so far; a taken name gets "_2", "_3", ... where
// `Compose` places it.
class NameRegister {
 public:
  template <typename Compose>
  std::string Unique(const std::string& stem, Compose compose) {
    std::string name = compose(stem);
    for (int suffix = 2; taken_.count(name) != 0; ++suffix)
      name = compose(stem + "_" + std::to_string(suffix));
    taken_.insert(name);
    return name;
  }

 private:
  std::unordered_set<std::string> taken_;
};

std::string MeshObjectName(const tinygltf::Mesh& mesh, int index) {
  return mesh.name.empty() ? "mesh" + std::to_string(index) : mesh.name;
}

// Discovery cuts a target's name at its first "-".
std::string MorphName(const tinygltf::Mesh& mesh, int target) {
  std::string name = GltfTargetName(mesh, target);
  std::replace(name.begin(), name.end(), morph_naming::kCoreSeparator, '_');
  return name;
}

Object& AddObject(Document& document, const std::string& name, const std::vector<MQPoint>& points) {
  Object& object = document.AddObject(name);
  object.ReserveVertices(points.size());
  for (const MQPoint& point : points) object.AddVertex(point);
  return object;
}

void AddElements(Object& object, const tinygltf::Model& model, const GltfMeshObjects& objects,
                 const GltfReaderAccessors& accessors, const std::string& file) {
  const tinygltf::Mesh& mesh = model.meshes[static_cast<std::size_t>(objects.mesh)];
  for (std::size_t p = 0; p < mesh.primitives.size(); ++p) {
    const tinygltf::Primitive& primitive = mesh.primitives[p];
    const std::string pointer = JsonPointer("meshes", objects.mesh, "primitives", p);
    const bool indexed = primitive.indices >= 0;
    const std::vector<std::uint32_t> indices =
        indexed ? accessors.Indices(primitive.indices, pointer + "/indices")
                : std::vector<std::uint32_t>();
    AddPrimitiveElements(object, primitive.mode, indices, indexed, objects.primitives[p], file,
                         pointer);
  }
}

// A copy of the mesh's object, elements and all, at the morph target's
// positions; `points` is left holding the base's, memory to reuse.
Object& AddTargetObject(Document& document, const Object& base, const std::string& name,
                        std::vector<MQPoint>& points) {
  Object& target = Host::Instance().CloneObject(base);
  target.SetName(name);
  target.SwapVertices(points);
  document.InsertAfter(target, nullptr);
  return target;
}

}  // namespace

int GltfMeshObjects::TargetIndex(int object) const {
  const auto found = std::find(targets.begin(), targets.end(), object);
  return found == targets.end() ? -1 : static_cast<int>(found - targets.begin());
}

std::string GltfTargetName(const tinygltf::Mesh& mesh, int target) {
  std::string unnamed = UnnamedTargetName(static_cast<std::size_t>(target));
  if (!mesh.extras.IsObject() || !mesh.extras.Has("targetNames")) return unnamed;
  const tinygltf::Value& names = mesh.extras.Get("targetNames");
  if (!names.IsArray() || target >= static_cast<int>(names.ArrayLen())) return unnamed;
  const tinygltf::Value& name = names.Get(target);
  return name.IsString() ? name.Get<std::string>() : unnamed;
}

std::vector<GltfMeshObjects> AddMeshObjects(const tinygltf::Model& model, const std::string& file,
                                            Document& document) {
  const GltfReaderAccessors accessors(model, file);
  NameRegister names;
  std::vector<GltfMeshObjects> meshes;
  for (std::size_t index = 0; index < model.meshes.size(); ++index) {
    const int m = static_cast<int>(index);
    const tinygltf::Mesh& mesh = model.meshes[index];
    GltfMeshObjects objects;
    objects.mesh = m;
    const GltfMeshPositions positions(model, m, accessors, file);
    objects.primitives = positions.slices();
    objects.baseName =
        names.Unique(MeshObjectName(mesh, m), [](const std::string& s) { return s; });
    Object& base = AddObject(document, objects.baseName, positions.base());
    objects.base = base.uniqueID();
    AddElements(base, model, objects, accessors, file);
    const std::string core = GetCoreName(objects.baseName);
    const int targets =
        mesh.primitives.empty() ? 0 : static_cast<int>(mesh.primitives[0].targets.size());
    std::vector<MQPoint> points;
    for (int t = 0; t < targets; ++t) {
      const std::string name = names.Unique(
          MorphName(mesh, t), [&](const std::string& s) { return ComposeTargetName(s, core); });
      positions.ReadTarget(t, points);
      Object& target = AddTargetObject(document, base, name, points);
      objects.targets.push_back(target.uniqueID());
      objects.targetNames.push_back(name);
    }
    meshes.push_back(std::move(objects));
  }
  return meshes;
}

}  // namespace refhost
