// The reference host's glTF reader over any bytes, as .gltf JSON or .glb:
// it either reads meshes into objects whose elements all point at their own
// vertices, every position finite, or throws its own error naming the file.
// What it reads, the writer writes back as an asset that reads again into as
// many objects with as many vertices.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/DocumentCheck.h"
#include "fuzz/FuzzCheck.h"
#include "refhost/host/Host.h"
#include "refhost/model/gltf/GltfReader.h"
#include "refhost/text/ModelFileError.h"

namespace {

// An empty folder for relative buffer URIs, so that no input reads a file.
const char* const kNoFolder = "/nonexistent-blendforge-fuzz";

void CheckWrittenAssetReadsAgain(const refhost::Document& document,
                                 const refhost::ModelFile& file) {
  std::string written;
  file.WriteTo(
      document, "fuzz.glb", [&](std::string_view bytes) { written += bytes; }, nullptr);
  refhost::Document& again = refhost::Host::Instance().NewDocument();
  refhost::ParseGltf(written, "fuzz.glb", kNoFolder, again);
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
  // Outside the catch: an error while writing or reading the output is a finding.
  if (file) CheckWrittenAssetReadsAgain(document, *file);
  host.Reset();
  return 0;
}
