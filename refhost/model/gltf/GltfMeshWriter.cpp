#include "refhost/model/gltf/GltfMeshWriter.h"

#include <cstring>

#include "refhost/document/MorphTargets.h"
#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfReaderMeshPositions.h"
#include "refhost/model/gltf/GltfWriterMixedDeltas.h"
#include "refhost/model/gltf/GltfWriterMorphWeights.h"
#include "refhost/model/gltf/GltfWriterPositionAccessors.h"
#include "refhost/model/gltf/GltfWriterTargetNames.h"
#include "refhost/text/MessageText.h"

namespace refhost {
namespace {

bool SameSlice(const std::vector<MQPoint>& a, const std::vector<MQPoint>& b,
               GltfPrimitiveSlice slice) {
  // Bit for bit: -0.0 against 0.0 is a change too.
  return std::memcmp(a.data() + slice.first, b.data() + slice.first,
                     static_cast<std::size_t>(slice.count) * sizeof(MQPoint)) == 0;
}

}  // namespace

GltfMeshWriter::GltfMeshWriter(const GltfWriterContext& context, const GltfMeshObjects& objects,
                               const Document& document)
    : context_(context), objects_(objects), document_(document) {}

const Object& GltfMeshWriter::Held(int uniqueID, const std::string& readName) const {
  const Object* object = document_.FindByUniqueID(uniqueID);
  if (object == nullptr)
    throw ModelFileError(
        context_.file,
        "object " + Quoted(readName) + " was removed, but a glTF mesh or morph target cannot be");
  const GltfPrimitiveSlice last =
      objects_.primitives.empty() ? GltfPrimitiveSlice{} : objects_.primitives.back();
  if (object->VertexCount() != last.first + last.count)
    throw ModelFileError(context_.file, "object " + Quoted(object->name()) + " now has " +
                                            std::to_string(object->VertexCount()) +
                                            " vertices, its mesh " +
                                            std::to_string(last.first + last.count));
  return *object;
}

const Object& GltfMeshWriter::Base() const { return Held(objects_.base, objects_.baseName); }

GltfJson& GltfMeshWriter::MeshJson() {
  return context_.asset["meshes"][static_cast<std::size_t>(objects_.mesh)];
}

GltfJson& GltfMeshWriter::PrimitiveJson(std::size_t primitive) {
  return MeshJson()["primitives"][primitive];
}

int GltfMeshWriter::DeltaAccessor(const Object& target, const Object& base, std::size_t primitive) {
  const GltfPrimitiveSlice slice = objects_.primitives[primitive];
  std::vector<MQPoint> deltas(static_cast<std::size_t>(slice.count));
  for (int at = 0; at < slice.count; ++at) {
    const std::size_t vertex = static_cast<std::size_t>(slice.first) + static_cast<std::size_t>(at);
    const MQPoint& t = target.vertices()[vertex];
    const MQPoint& b = base.vertices()[vertex];
    deltas[static_cast<std::size_t>(at)] = {t.x - b.x, t.y - b.y, t.z - b.z};
  }
  return AddDeltaAccessor(context_.appender, deltas.data(), deltas.size());
}

void GltfMeshWriter::RenameTarget(std::size_t target, const Object& object) {
  const std::string core = GetCoreName(Base().name());
  if (!IsMorphTargetName(core, object.name()))
    throw ModelFileError(context_.file, "object " + Quoted(object.name()) + ", a morph target of " +
                                            Quoted(Base().name()) +
                                            ", no longer has a morph target's name");
  NameMorphTarget(MeshJson(), target, objects_.targets.size(), MorphNameOf(object.name()),
                  context_.file, JsonPointer("meshes", objects_.mesh));
}

void GltfMeshWriter::WriteChanges() {
  const Object& base = Base();
  if (base.name() != objects_.baseName) MeshJson()["name"] = base.name();
  const GltfMeshPositions read(context_.model, objects_.mesh, context_.accessors, context_.file);
  const std::vector<MQPoint>& readBase = read.base();
  std::vector<bool> baseMoved;
  for (std::size_t p = 0; p < objects_.primitives.size(); ++p) {
    baseMoved.push_back(!SameSlice(base.vertices(), readBase, objects_.primitives[p]));
    if (!baseMoved.back()) continue;
    const GltfPrimitiveSlice slice = objects_.primitives[p];
    PrimitiveJson(p)["attributes"]["POSITION"] =
        AddPositionAccessor(context_.appender, base.vertices().data() + slice.first,
                            static_cast<std::size_t>(slice.count));
  }
  std::vector<MQPoint> readTarget;
  for (std::size_t k = 0; k < objects_.targets.size(); ++k) {
    const Object& target = Held(objects_.targets[k], objects_.targetNames[k]);
    if (target.name() != objects_.targetNames[k]) RenameTarget(k, target);
    read.ReadTarget(static_cast<int>(k), readTarget);
    for (std::size_t p = 0; p < objects_.primitives.size(); ++p) {
      if (!baseMoved[p] && SameSlice(target.vertices(), readTarget, objects_.primitives[p]))
        continue;
      PrimitiveJson(p)["targets"][k]["POSITION"] = DeltaAccessor(target, base, p);
    }
  }
}

const MorphMix* GltfMeshWriter::MixOf(const Object& added) const {
  const MorphMix* mix = document_.MixOf(added.uniqueID());
  if (mix == nullptr || mix->base != objects_.base) return nullptr;
  for (const MixTerm& term : mix->terms)
    if (objects_.TargetIndex(term.target) < 0)
      context_.note("Object " + Quoted(added.name()) +
                    " mixes an object that is no morph target of " + Quoted(Base().name()) +
                    "; its normal and tangent deltas count as zero.");
  return mix;
}

GltfJson GltfMeshWriter::NewTarget(const Object& added, const Object& base, const MorphMix* mix,
                                   std::size_t primitive) {
  GltfJson attributes{{"POSITION", DeltaAccessor(added, base, primitive)}};
  if (mix == nullptr) return attributes;
  for (const char* attribute : {"NORMAL", "TANGENT"}) {
    const auto deltas = MixedDeltas(context_, objects_, *mix, primitive, attribute);
    if (deltas)
      attributes[attribute] = AddDeltaAccessor(context_.appender, deltas->data(), deltas->size());
  }
  return attributes;
}

void GltfMeshWriter::AddTargets(const std::vector<const Object*>& added) {
  if (added.empty()) return;
  const Object& base = Base();
  const std::size_t existing = objects_.targets.size();
  for (std::size_t at = 0; at < added.size(); ++at) {
    const MorphMix* mix = MixOf(*added[at]);
    for (std::size_t p = 0; p < objects_.primitives.size(); ++p)
      AppendTo(PrimitiveJson(p), "targets", NewTarget(*added[at], base, mix, p));
    NameMorphTarget(MeshJson(), existing + at, existing + added.size(),
                    MorphNameOf(added[at]->name()), context_.file,
                    JsonPointer("meshes", objects_.mesh));
  }
  AddZeroWeights(context_, objects_.mesh, existing, added.size());
}

}  // namespace refhost
