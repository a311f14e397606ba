#pragma once

#include <tiny_gltf.h>

#include <string>
#include <vector>

#include "refhost/document/Document.h"
#include "refhost/model/gltf/GltfReaderMeshObjects.h"
#include "refhost/model/gltf/GltfWriterContext.h"

namespace refhost {

// Writes what the document holds of one mesh into the asset being written.
// Flaws throw ModelFileError naming the output.
class GltfMeshWriter {
 public:
  GltfMeshWriter(const GltfWriterContext& context, const GltfMeshObjects& objects,
                 const Document& document);

  // What the document changed of the mesh's objects: a renamed object renames
  // the mesh or its target; a primitive whose positions changed gets new
  // POSITION data, and a target whose absolute positions (or base) changed,
  // new deltas.
  void WriteChanges();
  // Appends the objects as new morph targets, named by their morph names,
  // weighted 0 wherever the mesh's weights are listed; an object the
  // document knows as a mix of this mesh's targets mixes their normal and
  // tangent deltas too.
  void AddTargets(const std::vector<const Object*>& added);

  // The mesh's object in the document.
  const Object& Base() const;

 private:
  const Object& Held(int uniqueID, const std::string& readName) const;
  GltfJson& MeshJson();
  GltfJson& PrimitiveJson(std::size_t primitive);
  // A new accessor of `target` - base over the primitive's vertices.
  int DeltaAccessor(const Object& target, const Object& base, std::size_t primitive);
  void RenameTarget(std::size_t target, const Object& object);
  // The mix that made `added` of this mesh's targets, if the document knows one.
  const MorphMix* MixOf(const Object& added) const;
  // The attributes of `added` as a new morph target of the primitive.
  GltfJson NewTarget(const Object& added, const Object& base, const MorphMix* mix,
                     std::size_t primitive);

  const GltfWriterContext& context_;
  const GltfMeshObjects& objects_;
  const Document& document_;
};

}  // namespace refhost
