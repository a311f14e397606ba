#include "refhost/model/gltf/GltfContainer.h"

#include <cstdint>

#include "refhost/text/ModelFileError.h"

namespace refhost {
namespace {

constexpr std::uint32_t kGlbMagic = 0x46546C67;   // "glTF"
constexpr std::uint32_t kJsonChunk = 0x4E4F534A;  // "JSON"
constexpr std::uint32_t kBinChunk = 0x004E4942;   // "BIN\0"
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;

std::uint32_t Word(std::string_view bytes, std::size_t at) {
  std::uint32_t word = 0;
  for (int byte = 3; byte >= 0; --byte)
    word = word << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(byte)]);
  return word;
}

void AppendWord(std::string& bytes, std::size_t word) {
  for (int byte = 0; byte < 4; ++byte) bytes += static_cast<char>(word >> (8 * byte) & 0xFF);
}

struct GlbChunk {
  std::uint32_t type = 0;
  std::size_t offset = 0;
  std::size_t length = 0;
};

// The chunk at `at`, within the file's declared length `size`; its header
// read from `head`.
GlbChunk ChunkAt(std::string_view head, std::size_t size, std::size_t at, const std::string& file) {
  if (at > size || size - at < kChunkHeaderBytes || head.size() < at + kChunkHeaderBytes)
    throw ModelFileError(file,
                         "binary glTF chunk header at byte " + std::to_string(at) + " is cut off");
  const std::size_t length = Word(head, at);
  if (size - at - kChunkHeaderBytes < length)
    throw ModelFileError(file, "binary glTF chunk at byte " + std::to_string(at) + " claims " +
                                   std::to_string(length) + " bytes, beyond the file's end");
  return {Word(head, at + 4), at + kChunkHeaderBytes, length};
}

}  // namespace

bool IsGlb(std::string_view bytes) { return bytes.size() >= 4 && Word(bytes, 0) == kGlbMagic; }

std::size_t GlbHeadSize(std::string_view start) {
  const std::size_t json = start.size() < kGlbStartBytes ? 0 : Word(start, kHeaderBytes);
  return kHeaderBytes + 2 * kChunkHeaderBytes + PaddedToFour(json);
}

GlbLayout GlbLayoutOf(std::string_view head, std::size_t fileSize, const std::string& file) {
  if (fileSize < kHeaderBytes || !IsGlb(head))
    throw ModelFileError(file, "not a binary glTF: no 'glTF' header");
  if (Word(head, 4) != 2)
    throw ModelFileError(file, "binary glTF version " + std::to_string(Word(head, 4)) +
                                   " is not read; only version 2");
  const std::size_t length = Word(head, 8);
  if (length > fileSize)
    throw ModelFileError(file, "binary glTF claims " + std::to_string(length) +
                                   " bytes, but the file has " + std::to_string(fileSize));
  const GlbChunk json = ChunkAt(head, length, kHeaderBytes, file);
  if (json.type != kJsonChunk)
    throw ModelFileError(file, "binary glTF does not start with a JSON chunk");
  GlbLayout layout{head.substr(json.offset, json.length)};
  const std::size_t next = json.offset + PaddedToFour(json.length);
  if (next >= length) return layout;
  const GlbChunk bin = ChunkAt(head, length, next, file);
  if (bin.type == kBinChunk) {
    layout.binOffset = bin.offset;
    layout.binSize = bin.length;
  }
  return layout;
}

GlbChunks SplitGlb(std::string_view bytes, const std::string& file) {
  const GlbLayout layout = GlbLayoutOf(bytes, bytes.size(), file);
  return {layout.json, bytes.substr(layout.binOffset, layout.binSize)};
}

void WriteGlb(std::string_view json, const std::vector<std::string_view>* bin,
              const ModelFile::Sink& sink) {
  const std::size_t jsonLength = PaddedToFour(json.size());
  std::size_t binSize = 0;
  for (std::size_t at = 0; bin != nullptr && at < bin->size(); ++at) binSize += (*bin)[at].size();
  const std::size_t binLength = PaddedToFour(binSize);
  std::string head;
  AppendWord(head, kGlbMagic);
  AppendWord(head, 2);
  AppendWord(head, kHeaderBytes + kChunkHeaderBytes + jsonLength +
                       (bin == nullptr ? 0 : kChunkHeaderBytes + binLength));
  AppendWord(head, jsonLength);
  AppendWord(head, kJsonChunk);
  sink(head);
  sink(json);
  sink(std::string(jsonLength - json.size(), ' '));
  if (bin == nullptr) return;
  std::string binHead;
  AppendWord(binHead, binLength);
  AppendWord(binHead, kBinChunk);
  sink(binHead);
  for (std::string_view piece : *bin) sink(piece);
  sink(std::string(binLength - binSize, '\0'));
}

}  // namespace refhost
