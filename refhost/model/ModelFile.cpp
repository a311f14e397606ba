#include "refhost/model/ModelFile.h"

#include "refhost/model/ObjReader.h"

namespace refhost {

std::unique_ptr<ModelFile> ReadModelFile(const std::filesystem::path& path, Document& document,
                                         Progress* progress) {
  return std::make_unique<ObjFile>(ReadObjFile(path, document, progress));
}

}  // namespace refhost
