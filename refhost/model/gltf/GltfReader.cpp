#include "refhost/model/gltf/GltfReader.h"

#include <cstdio>
#include <functional>
#include <utility>

#include "refhost/files/LargeBuffer.h"
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

// Reads `length` bytes from the start of a .glb's binary chunk into `out`;
// ModelFileError when they cannot be read.
using ChunkReader = std::function<void(std::vector<unsigned char>& out, std::size_t length)>;

// The loader takes a .glb's first buffer, the binary chunk, from a file of
// this name, which no URI names: so the chunk is read straight into the
// buffer the loader keeps, never held twice.
constexpr const char* kChunkFile = "\x1F binary chunk";

bool IsChunkFile(const std::string& path) {
  const std::string_view name(kChunkFile);
  return path.size() >= name.size() &&
         path.compare(path.size() - name.size(), name.size(), name) == 0;
}

bool ChunkOrFileExists(const std::string& path, void* reader) {
  return IsChunkFile(path) ? reader != nullptr : tinygltf::FileExists(path, nullptr);
}

bool ReadChunkOrFile(std::vector<unsigned char>* out, std::string* error, const std::string& path,
                     void* reader) {
  if (!IsChunkFile(path)) return tinygltf::ReadWholeFile(out, error, path, nullptr);
  const auto& read = *static_cast<const std::pair<ChunkReader, std::size_t>*>(reader);
  read.first(*out, read.second);
  return true;
}

// The asset's JSON as the loader is to read it, the first buffer naming the
// chunk file when it has no URI; its length, already checked to fit the
// chunk, is what the loader asks for.
std::string LoaderJson(const GltfJson& asset, std::size_t& chunkBytes) {
  GltfJson named = asset;
  const auto buffers = named.find("buffers");
  if (buffers == named.end() || !buffers->is_array() || buffers->empty()) return named.dump();
  GltfJson& first = (*buffers)[0];
  if (first.is_object() && !first.contains("uri")) {
    chunkBytes = first.value("byteLength", std::size_t{0});
    first["uri"] = kChunkFile;
  }
  return named.dump();
}

tinygltf::Model Load(const GltfJson& asset, std::string_view text, const ChunkReader* chunk,
                     const std::filesystem::path& folder, const std::string& name) {
  tinygltf::TinyGLTF loader;
  loader.SetImageLoader(KeepImageUndecoded, nullptr);
  std::pair<ChunkReader, std::size_t> reader;
  std::string named;
  if (chunk != nullptr) {
    reader.first = *chunk;
    named = LoaderJson(asset, reader.second);
    text = named;
  }
  loader.SetFsCallbacks({ChunkOrFileExists, tinygltf::ExpandFilePath, ReadChunkOrFile,
                         tinygltf::WriteWholeFile, chunk != nullptr ? &reader : nullptr});
  tinygltf::Model model;
  std::string error;
  std::string warning;
  if (!loader.LoadASCIIFromString(&model, &error, &warning, text.data(),
                                  static_cast<unsigned int>(text.size()), folder.string()))
    throw GltfError(name, "", FirstLine(error));
  return model;
}

// Loads an asset whose JSON is `text` and, for a .glb, whose binary chunk of
// `chunkSize` bytes `chunk` reads; its objects are not made yet.
std::unique_ptr<GltfFile> LoadParts(std::string_view text, const ChunkReader* chunk,
                                    std::size_t chunkSize, const std::string& name,
                                    const std::filesystem::path& folder) {
  auto file = std::make_unique<GltfFile>();
  file->format = chunk != nullptr ? ModelFormat::Glb : ModelFormat::Gltf;
  file->json = ParseJson(text, name);
  CheckGltfAsset(file->json, folder, chunk != nullptr ? &chunkSize : nullptr, name);
  file->model = Load(file->json, text, chunk, folder, name);
  file->folder = folder;
  return file;
}

std::unique_ptr<ModelFile> WithObjects(std::unique_ptr<GltfFile> file, const std::string& name,
                                       Document& document) {
  file->meshes = AddMeshObjects(file->model, name, document);
  return file;
}

}  // namespace

std::unique_ptr<ModelFile> ParseGltf(std::string bytes, const std::string& name,
                                     const std::filesystem::path& folder, Document& document) {
  std::unique_ptr<GltfFile> file;
  if (IsGlb(bytes)) {
    const GlbChunks chunks = SplitGlb(bytes, name);
    const ChunkReader chunk = [&](std::vector<unsigned char>& out, std::size_t length) {
      out.assign(chunks.bin.begin(), chunks.bin.begin() + static_cast<std::ptrdiff_t>(length));
    };
    file = LoadParts(chunks.json, &chunk, chunks.bin.size(), name, folder);
  } else {
    file = LoadParts(bytes, nullptr, 0, name, folder);
  }
  // The loaded model holds the buffers; the file's bytes are not needed again.
  std::string().swap(bytes);
  return WithObjects(std::move(file), name, document);
}

std::unique_ptr<ModelFile> ReadGltfFile(const std::filesystem::path& path, Document& document) {
  const std::string name = path.string();
  const std::size_t size = ExpectedSize(path);
  const OpenedFile in = OpenForReading(path);
  std::string head = ReadHead(in.get(), kGlbStartBytes, name);
  // A pipe cannot be read again, nor a .glb of no known size read in parts.
  if (size == 0)
    return ParseGltf(head + ReadBytes(in.get(), name, 0), name, path.parent_path(), document);
  if (!IsGlb(head)) return ParseGltf(ReadFileBytes(path), name, path.parent_path(), document);
  head += ReadHead(in.get(), GlbHeadSize(head) - head.size(), name);
  const GlbLayout layout = GlbLayoutOf(head, size, name);
  // The head ends where the binary chunk starts, so the chunk is what the
  // file holds next.
  const ChunkReader chunk = [&](std::vector<unsigned char>& out, std::size_t length) {
    out.reserve(length);
    AdviseLargeBuffer(out.data(), length);
    out.resize(length);
    ReadExactly(in.get(), out.data(), length, name);
  };
  return WithObjects(LoadParts(layout.json, &chunk, layout.binSize, name, path.parent_path()), name,
                     document);
}

}  // namespace refhost
