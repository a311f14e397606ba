#include "refhost/model/gltf/GltfReader.h"

#include "refhost/files/WholeFile.h"
#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/gltf/GltfError.h"
#include "refhost/model/gltf/GltfFile.h"
#include "refhost/model/gltf/GltfReaderAssetCheck.h"
#include "refhost/text/LineEnds.h"

namespace refhost {
namespace {

// Images are carried through as the file has them, never decoded.
bool KeepImageUndecoded(tinygltf::Image*, const int, std::string*, std::string*, int, int,
                        const unsigned char*, int, void*) {
  return true;
}

// "broken JSON at line 2, column 13: syntax error ..." or "broken JSON:
// number overflow ...", from nlohmann's message without its
// "[json.exception...] " lead.
std::string JsonFlaw(const std::string& what) {
  const std::size_t lead = what.find("] ");
  const std::string flaw = lead == std::string::npos ? what : what.substr(lead + 2);
  const std::string parseError = "parse error ";
  if (flaw.rfind(parseError, 0) == 0) return "broken JSON " + flaw.substr(parseError.size());
  return "broken JSON: " + flaw;
}

// Far deeper than any asset nests, yet shallow enough for the parsers, which
// recurse, to stay well within the stack.
constexpr int kDeepestNesting = 512;

// Refuses JSON nested deeper than kDeepestNesting before a parser sees it.
void CheckNesting(std::string_view text, const std::string& name) {
  int depth = 0;
  bool inString = false;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    if (inString) {
      if (c == '\\') ++at;
      if (c == '"') inString = false;
    } else if (c == '"') {
      inString = true;
    } else if (c == ']' || c == '}') {
      --depth;
    } else if ((c == '[' || c == '{') && ++depth > kDeepestNesting) {
      const std::size_t lineStart = text.rfind('\n', at) + 1;  // 0 on the first line
      throw GltfError(name, "",
                      "JSON nested deeper than " + std::to_string(kDeepestNesting) +
                          " levels at line " + std::to_string(LineAt(text, at)) + ", column " +
                          std::to_string(at - lineStart + 1));
    }
  }
}

GltfJson ParseJson(std::string_view text, const std::string& name) {
  CheckNesting(text, name);
  try {
    return GltfJson::parse(text.begin(), text.end());
  } catch (const nlohmann::json::exception& error) {
    throw GltfError(name, "", JsonFlaw(error.what()));
  }
}

// The loader's first complaint, on one line.
std::string FirstLine(const std::string& text) {
  const std::string line = text.substr(0, text.find('\n'));
  return line.empty() ? "the glTF loader refused it" : line;
}

tinygltf::Model Load(const std::string& bytes, bool binary, const std::filesystem::path& folder,
                     const std::string& name) {
  tinygltf::TinyGLTF loader;
  loader.SetImageLoader(KeepImageUndecoded, nullptr);
  tinygltf::Model model;
  std::string error;
  std::string warning;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto length = static_cast<unsigned int>(bytes.size());
  const std::string base = folder.string();
  const bool loaded =
      binary ? loader.LoadBinaryFromMemory(&model, &error, &warning, data, length, base)
             : loader.LoadASCIIFromString(&model, &error, &warning, bytes.data(), length, base);
  if (!loaded) throw GltfError(name, "", FirstLine(error));
  return model;
}

}  // namespace

std::unique_ptr<ModelFile> ParseGltf(std::string bytes, const std::string& name,
                                     const std::filesystem::path& folder, Document& document) {
  auto file = std::make_unique<GltfFile>();
  const bool binary = IsGlb(bytes);
  file->format = binary ? ModelFormat::Glb : ModelFormat::Gltf;
  const GlbChunks chunks = binary ? SplitGlb(bytes, name) : GlbChunks{bytes, {}};
  file->json = ParseJson(chunks.json, name);
  const std::size_t chunkSize = chunks.bin.size();
  CheckGltfAsset(file->json, folder, binary ? &chunkSize : nullptr, name);
  file->model = Load(bytes, binary, folder, name);
  // The loaded model holds the buffers; the file's bytes are not needed again.
  std::string().swap(bytes);
  file->folder = folder;
  file->meshes = AddMeshObjects(file->model, name, document);
  return file;
}

std::unique_ptr<ModelFile> ReadGltfFile(const std::filesystem::path& path, Document& document) {
  return ParseGltf(ReadFileBytes(path), path.string(), path.parent_path(), document);
}

}  // namespace refhost
