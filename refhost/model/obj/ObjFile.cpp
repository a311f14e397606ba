#include "refhost/model/obj/ObjFile.h"

#include "refhost/model/obj/ObjWriter.h"

namespace refhost {

void ObjFile::WriteTo(const Document& document, const std::filesystem::path& output,
                      const Sink& sink, Progress* progress) const {
  WriteObj(document, *this, output, sink, progress);
}

}  // namespace refhost
