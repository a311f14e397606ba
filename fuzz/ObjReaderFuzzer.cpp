// The reference host's OBJ reader over any bytes: it either reads the text
// into objects whose faces all point at their own vertices, or throws its
// own error naming the line.
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "refhost/Host.h"
#include "refhost/model/ModelFileError.h"
#include "refhost/model/ObjReader.h"

namespace {

void CheckFacesInRange(const refhost::Document& document) {
  for (int i = 0; i < document.ObjectCount(); ++i) {
    const refhost::Object* object = document.ObjectAt(i);
    Check(object != nullptr, "the reader leaves no empty position");
    for (const refhost::Face& face : object->faces()) {
      Check(face.vertices.size() >= 3, "a face has three corners or more");
      for (int vertex : face.vertices)
        Check(object->HasVertex(vertex), "a face uses its own object's vertices");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  refhost::Host& host = refhost::Host::Instance();
  host.Reset();
  refhost::Document& document = host.NewDocument();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    refhost::ParseObj(text, "fuzz.obj", "fuzz", document);
  } catch (const refhost::ModelFileError&) {
    // A flaw reported as the reader promises; what was read before it stays.
  }
  CheckFacesInRange(document);
  host.Reset();
  return 0;
}
