#pragma once

#include <string>
#include <vector>

#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "merge/CMQDocument.h"

namespace bench {

// A base at index 0 of a fresh document and its morph targets after it, all
// moving the same vertices by the same offsets.
struct BlendScene {
  refhost::Document* document = nullptr;
  const refhost::Object* base = nullptr;
  std::vector<const refhost::Object*> targets;
};

inline BlendScene MakeBlendScene(int vertexCount, int movedPercent, int targetCount) {
  BlendScene scene;
  scene.document = &FreshDocument();
  scene.base = &AddGridMesh(*scene.document, "body", vertexCount);
  for (int target = 0; target < targetCount; ++target) {
    const std::string name = "elem:t" + std::to_string(target + 1) + "-body";
    scene.targets.push_back(&AddMovedCopy(*scene.document, name, *scene.base, movedPercent));
  }
  scene.document->SetCurrentIndex(scene.base->index());
  return scene;
}

// The plug-in's handle of an object that the scene's document holds.
inline cmq::CMQObject HandleOf(const BlendScene& scene, const refhost::Object& object) {
  return cmq::CMQDocument(scene.document->handle()).GetObjectAt(object.index());
}

}  // namespace bench
