// The reference host's glTF reader over any bytes, as .gltf JSON or .glb:
// it either reads meshes into objects whose elements all point at their own
// vertices, every position finite, or throws its own error naming the file.
// What it reads, with a new morph target of the first mesh and a new mesh
// added, the writer writes back as an asset that reads again into as many
// objects with as many vertices, or refuses with its own error.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/DocumentCheck.h"
#include "fuzz/FuzzCheck.h"
#include "refhost/document/MorphTargets.h"
#include "refhost/host/Host.h"
#include "refhost/model/gltf/GltfReader.h"
#include "refhost/text/ModelFileError.h"

namespace {

// An empty folder for relative buffer URIs, so that no input reads a file.
const char* const kNoFolder = "/nonexistent-blendforge-fuzz";

// A moved copy of the first mesh's object as its new morph target, and a copy
// as a new mesh, so that every part of the writer sees the input.
void AddTargetAndMesh(refhost::Document& document) {
  if (document.ObjectCount() == 0) return;
  refhost::Host& host = refhost::Host::Instance();
  const refhost::Object& base = *document.ObjectAt(0);
  refhost::Object& target = host.CloneObject(base);
  target.SetName(ComposeTargetName("fuzz", GetCoreName(base.name())));
  if (target.VertexCount() > 0) target.SetVertex(0, {0.5f, 0.25f, 0.125f});
  document.InsertAfter(target, &base);
  refhost::Object& mesh = host.CloneObject(base);
  mesh.SetName("fuzz mesh");
  document.InsertAfter(mesh, nullptr);
}

// `changed`: the document holds objects the asset did not, which the writer
// may refuse to carry, with its own error; an unchanged one it always writes.
void CheckWrittenAssetReadsAgain(const refhost::Document& document, const refhost::ModelFile& file,
                                 bool changed) {
  std::string written;
  try {
    file.WriteTo(
        document, "fuzz.glb", [&](std::string_view bytes) { written += bytes; }, nullptr);
  } catch (const refhost::ModelFileError&) {
    if (changed) return;
    throw;
  }
  refhost::Document& again = refhost::Host::Instance().NewDocument();
  refhost::ParseGltf(written, "fuzz.glb", kNoFolder, again);
  CheckObjectsRead(again);
  Check(again.ObjectCount() == document.ObjectCount(), "the written asset holds every object");
  for (int i = 0; i < document.ObjectCount(); ++i)
    Check(again.ObjectAt(i)->VertexCount() == document.ObjectAt(i)->VertexCount(),
          "an object reads back with its vertices");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  refhost::Host& host = refhost::Host::Instance();
  host.Reset();
  refhost::Document& document = host.NewDocument();
  std::unique_ptr<refhost::ModelFile> file;
  try {
    file = refhost::ParseGltf(std::string(reinterpret_cast<const char*>(data), size), "fuzz.gltf",
                              kNoFolder, document);
  } catch (const refhost::ModelFileError&) {
    // A flaw reported as the reader promises; what was read before it stays.
  }
  CheckObjectsRead(document);
  // Outside the catch: an error while reading the output is a finding.
  if (file) {
    CheckWrittenAssetReadsAgain(document, *file, false);
    AddTargetAndMesh(document);
    CheckWrittenAssetReadsAgain(document, *file, true);
  }
  host.Reset();
  return 0;
}
