#include "refhost/model/ModelFile.h"

#include "refhost/files/AtomicFile.h"
#include "refhost/files/WholeFile.h"
#include "refhost/model/gltf/GltfReader.h"
#include "refhost/model/obj/ObjReader.h"
#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

// Enough of a file to tell its format by: the binary glTF magic, or the
// first word after a few blank lines.
constexpr std::size_t kHeadBytes = 4096;

// The format its extension names, else the one its first bytes show. A pipe
// or device cannot be looked at and then read from its start, so it is read
// as OBJ, whose reader names the line where its bytes stop being text.
ModelFormat FormatToRead(const std::filesystem::path& path) {
  if (const auto named = FormatNamedBy(path)) return *named;
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return ModelFormat::Obj;
  if (const auto shown = FormatOfContent(ReadFileHead(path, kHeadBytes))) return *shown;
  throw ModelFileError(path.string(),
                       "not a model file that refhost reads (" + ReadFormatsList() + ")");
}

}  // namespace

void ModelFile::Write(const Document& document, const std::filesystem::path& path,
                      Progress* progress) const {
  const ModelFormat to = FormatNamedBy(path).value_or(format);
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
  if (IsGltf(FormatToRead(path))) return ReadGltfFile(path, document);
  return std::make_unique<ObjFile>(ReadObjFile(path, document, progress));
}

std::unique_ptr<ModelFile> ParseModel(std::string bytes, const std::string& name,
                                      Document& document) {
  if (IsGltf(FormatOfBytes(bytes))) return ParseGltf(std::move(bytes), name, ".", document);
  return std::make_unique<ObjFile>(ParseObj(std::move(bytes), name, name, document));
}

}  // namespace refhost
