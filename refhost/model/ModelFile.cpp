#include "refhost/model/ModelFile.h"

#include "refhost/files/AtomicFile.h"
#include "refhost/model/gltf/GltfReader.h"
#include "refhost/model/obj/ObjReader.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {

void ModelFile::Write(const Document& document, const std::filesystem::path& path,
                      Progress* progress) const {
  const ModelFormat to = FormatOfPath(path);
  if (IsGltf(to) != IsGltf(format))
    throw ModelFileError(path.string(), std::string("cannot write a model read as ") +
                                            FormatName(format) + " as " + FormatName(to));
  AtomicFile target(path);
  WriteTo(
      document, path, [&](std::string_view bytes) { target.Write(bytes); }, progress);
  target.Commit();
}

std::unique_ptr<ModelFile> ReadModelFile(const std::filesystem::path& path, Document& document,
                                         Progress* progress) {
  if (IsGltf(FormatOfPath(path))) return ReadGltfFile(path, document);
  return std::make_unique<ObjFile>(ReadObjFile(path, document, progress));
}

std::unique_ptr<ModelFile> ParseModel(std::string bytes, const std::string& name,
                                      Document& document) {
  if (IsGltf(FormatOfBytes(bytes))) return ParseGltf(std::move(bytes), name, ".", document);
  return std::make_unique<ObjFile>(ParseObj(std::move(bytes), name, name, document));
}

}  // namespace refhost
