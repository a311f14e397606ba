// The reference host's OBJ reader over any bytes: it either reads the text
// into objects whose elements all point at their own vertices, or throws its
// own error naming the line. What it reads, the writer writes back as text
// that reads again into the same objects. Since the reader refuses a number
// that is not finite, every position it reads is finite.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/DocumentCheck.h"
#include "fuzz/FuzzCheck.h"
#include "refhost/host/Host.h"
#include "refhost/model/obj/ObjReader.h"
#include "refhost/model/obj/ObjWriter.h"
#include "refhost/text/ModelFileError.h"

namespace {

bool SameCounts(const refhost::Object& a, const refhost::Object& b) {
  bool same = a.name() == b.name() && a.VertexCount() == b.VertexCount();
  for (refhost::ElementKind kind : refhost::kElementKinds)
    same = same && a.elements(kind).Count() == b.elements(kind).Count();
  return same;
}

void CheckWrittenTextReadsAgain(const refhost::Document& document, const refhost::ObjFile& file) {
  std::string written;
  refhost::WriteObj(document, file, "fuzz.obj", [&](std::string_view bytes) { written += bytes; });
  refhost::Document& again = refhost::Host::Instance().NewDocument();
  refhost::ParseObj(written, "fuzz.obj", "fuzz", again);
  Check(again.ObjectCount() == document.ObjectCount(), "the written text holds every object");
  for (int i = 0; i < document.ObjectCount(); ++i)
    Check(SameCounts(*document.ObjectAt(i), *again.ObjectAt(i)),
          "an object reads back with its name, vertices and elements");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  refhost::Host& host = refhost::Host::Instance();
  host.Reset();
  refhost::Document& document = host.NewDocument();
  refhost::ObjFile file;
  bool read = true;
  try {
    file = refhost::ParseObj(std::string(reinterpret_cast<const char*>(data), size), "fuzz.obj",
                             "fuzz", document);
  } catch (const refhost::ModelFileError&) {
    // A flaw reported as the reader promises; what was read before it stays.
    read = false;
  }
  CheckObjectsRead(document);
  // Outside the catch: an error while writing or reading the output is a finding.
  if (read) CheckWrittenTextReadsAgain(document, file);
  host.Reset();
  return 0;
}
