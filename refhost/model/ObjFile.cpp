#include "refhost/model/ObjFile.h"

#include "refhost/model/ObjWriter.h"

namespace refhost {

void ObjFile::Write(const Document& document, const std::filesystem::path& path,
                    Progress* progress) const {
  WriteObjFile(document, *this, path, progress);
}

}  // namespace refhost
