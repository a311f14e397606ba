#include "refhost/model/gltf/GltfFile.h"

#include <map>
#include <optional>
#include <unordered_set>

#include "refhost/document/MorphTargets.h"
#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/gltf/GltfMeshWriter.h"
#include "refhost/model/gltf/GltfWriterBuffers.h"
#include "refhost/model/gltf/GltfWriterNewMesh.h"
#include "refhost/model/gltf/GltfWriterVrmExpressions.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

// The document's objects that no mesh was read into, in document order,
// each either a new morph target of a mesh (by index into the file's
// meshes) or a new mesh.
struct NewObjects {
  std::map<std::size_t, std::vector<const Object*>> targets;
  std::vector<const Object*> meshes;
};

// The mesh whose new morph target `object` is: by name and vertex count,
// and where several qualify, the one whose object the command ran on.
const GltfMeshObjects* BaseOf(const Object& object, const std::vector<GltfMeshObjects>& meshes,
                              const Document& document) {
  const GltfMeshObjects* found = nullptr;
  const Object* current = document.ObjectAt(document.currentIndex());
  for (const GltfMeshObjects& mesh : meshes) {
    const Object* base = document.FindByUniqueID(mesh.base);
    if (base == nullptr || !IsMorphTargetOf(*base, object)) continue;
    if (base == current) return &mesh;
    if (found == nullptr) found = &mesh;
  }
  return found;
}

NewObjects SortNewObjects(const Document& document, const std::vector<GltfMeshObjects>& meshes) {
  std::unordered_set<int> read;
  for (const GltfMeshObjects& mesh : meshes) {
    read.insert(mesh.base);
    read.insert(mesh.targets.begin(), mesh.targets.end());
  }
  NewObjects sorted;
  for (int index = 0; index < document.ObjectCount(); ++index) {
    const Object* object = document.ObjectAt(index);
    if (object == nullptr || read.count(object->uniqueID()) != 0) continue;
    const GltfMeshObjects* base = BaseOf(*object, meshes, document);
    if (base == nullptr)
      sorted.meshes.push_back(object);
    else
      sorted.targets[static_cast<std::size_t>(base - meshes.data())].push_back(object);
  }
  return sorted;
}

bool HasBinaryChunk(const GltfJson& asset) {
  const auto buffers = asset.find("buffers");
  return buffers != asset.end() && buffers->is_array() && !buffers->empty() &&
         !(*buffers)[0].contains("uri");
}

// The asset's JSON text; glTF text is UTF-8, so a name the document holds in
// another encoding is refused rather than written as something else.
std::string JsonText(const GltfJson& asset, int indent, const std::string& file) {
  try {
    return asset.dump(indent);
  } catch (const nlohmann::json::type_error&) {
    throw ModelFileError(file, "a name in the document is not UTF-8 text, which glTF requires");
  }
}

}  // namespace

void GltfFile::WriteTo(const Document& document, const std::filesystem::path& output,
                       const Sink& sink, Progress* progress) const {
  const std::string file = output.string();
  const std::optional<ModelFormat> named = FormatNamedBy(output);
  const ModelFormat to = named && IsGltf(*named) ? *named : format;
  GltfJson asset = json;
  const GltfHeldChunk held = HoldChunk(asset, model, to, file);
  const GltfNewData place = PlaceNewData(asset, held, to);
  GltfWriterAppender appender(asset, place.buffer, place.offset);
  const GltfReaderAccessors accessors(model, file);
  const GltfWriterContext context{
      asset, appender, model, accessors, file, to, [this](const std::string& text) {
        if (notes) notes(text);
      }};
  const NewObjects added = SortNewObjects(document, meshes);
  for (std::size_t at = 0; at < meshes.size(); ++at) {
    GltfMeshWriter writer(context, meshes[at], document);
    writer.WriteChanges();
    const auto targets = added.targets.find(at);
    if (targets != added.targets.end()) writer.AddTargets(targets->second);
  }
  for (const Object* object : added.meshes) AddNewMesh(context, *object);
  AddVrmExpressions(context, meshes, added.targets);
  const std::vector<std::string_view> chunk =
      FinishBuffers(context, place, held, folder, output.parent_path());
  if (to == ModelFormat::Gltf) {
    sink(JsonText(asset, 2, file) + "\n");
  } else {
    WriteGlb(JsonText(asset, -1, file), HasBinaryChunk(asset) ? &chunk : nullptr, sink);
  }
  if (progress != nullptr) progress->Advance(1, 1);
}

}  // namespace refhost
