#include "refhost/model/gltf/GltfWriterNewMesh.h"

#include <tiny_gltf.h>

#include <cstdint>
#include <vector>

#include "refhost/model/gltf/GltfWriterPositionAccessors.h"
#include "refhost/text/MessageText.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

std::vector<std::uint32_t> FanTriangles(const ElementList& faces) {
  std::vector<std::uint32_t> indices;
  std::vector<std::uint32_t> corners;
  for (int face = 0; face < faces.Count(); ++face) {
    corners.clear();
    for (Corner corner : faces.CornersOf(face))
      corners.push_back(static_cast<std::uint32_t>(corner.vertex));
    for (std::size_t at = 1; at + 1 < corners.size(); ++at)
      indices.insert(indices.end(), {corners[0], corners[at], corners[at + 1]});
  }
  return indices;
}

// The scene that shows the asset, made when it has none. Members are added
// before any is held by reference, since adding one may move the others.
GltfJson& DefaultScene(GltfJson& asset) {
  const auto scenes = asset.find("scenes");
  if (scenes == asset.end() || !scenes->is_array() || scenes->empty()) {
    asset["scene"] = 0;
    asset["scenes"] = GltfJson::array({GltfJson::object()});
  }
  GltfJson& list = asset["scenes"];
  const std::size_t scene = asset.value("scene", 0u);
  return list[scene < list.size() ? scene : 0];
}

}  // namespace

void AddNewMesh(const GltfWriterContext& context, const Object& object) {
  GltfWriterAppender& appender = context.appender;
  if (object.VertexCount() == 0)
    throw ModelFileError(context.file, "object " + Quoted(object.name()) +
                                           " has no vertices, which a glTF mesh cannot hold");
  GltfJson primitive = {{"attributes",
                         {{"POSITION", AddPositionAccessor(appender, object.vertices().data(),
                                                           object.vertices().size())}}}};
  const std::vector<std::uint32_t> indices = FanTriangles(object.faces());
  if (indices.empty()) {
    primitive["mode"] = TINYGLTF_MODE_POINTS;
  } else {
    const std::string_view bytes(reinterpret_cast<const char*>(indices.data()),
                                 indices.size() * sizeof(std::uint32_t));
    primitive["indices"] = appender.AddAccessor(
        {{"bufferView", appender.AddView(bytes, TINYGLTF_TARGET_ELEMENT_ARRAY_BUFFER)},
         {"componentType", TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT},
         {"count", indices.size()},
         {"type", "SCALAR"}});
    primitive["mode"] = TINYGLTF_MODE_TRIANGLES;
  }
  GltfJson& asset = context.asset;
  const int mesh = AppendTo(
      asset, "meshes", {{"name", object.name()}, {"primitives", GltfJson::array({primitive})}});
  const int node = AppendTo(asset, "nodes", {{"name", object.name()}, {"mesh", mesh}});
  AppendTo(DefaultScene(asset), "nodes", node);
}

}  // namespace refhost
