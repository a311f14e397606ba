#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "refhost/model/ModelFile.h"
#include "refhost/text/ModelFileError.h"
#include "tests/support/GltfBadAsset.h"
#include "tests/support/HostFixture.h"

namespace {

// What reading `path` throws, with the file's name in front; empty when it
// reads.
std::string ReadError(const std::filesystem::path& path) {
  try {
    refhost::ReadModelFile(path, refhost::Host::Instance().NewDocument());
  } catch (const refhost::ModelFileError& error) {
    return error.what();
  }
  return "";
}

class GltfBadInputTest : public HostTest, public ::testing::WithParamInterface<BadAsset> {
 protected:
  TempDir folder;
};

TEST_P(GltfBadInputTest, IsRefusedNamingTheFileAndThePartAtFault) {
  const std::filesystem::path path = folder / GetParam().file;
  GltfBuilder asset = Triangle();
  GetParam().spoil(asset);
  asset.Write(path, std::string(GetParam().file).find(".glb") != std::string::npos
                        ? GltfBuilder::Storage::Glb
                        : GltfBuilder::Storage::DataUri);
  EXPECT_EQ(ReadError(path), path.string() + ": " + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Cases, GltfBadInputTest, ::testing::ValuesIn(BadAssets()),
                         [](const ::testing::TestParamInfo<BadAsset>& info) {
                           return std::string(info.param.name);
                         });

class GltfBadFileTest : public HostTest {
 protected:
  TempDir folder;
};

// A buffer file of another length than the asset says is refused before it
// is read: a file far longer than the asset uses would be read whole.
TEST_F(GltfBadFileTest, BufferFileOfAnotherLengthIsRefusedUnread) {
  const std::filesystem::path path = folder / "bad.gltf";
  Triangle().Write(path, GltfBuilder::Storage::BinFile);
  TempDir::Write(folder / "bad.bin", std::string(100, '\0'));
  EXPECT_EQ(ReadError(path),
            path.string() + ": /buffers/0/byteLength: 80 bytes, but 'bad.bin' holds 100");
}

// Files that are no asset at all; the number overflow and the .glb whose
// declared length ends inside its header were fuzzers' findings.
TEST_F(GltfBadFileTest, BrokenJsonAndBinaryContainersNameWhereTheyBreak) {
  struct BadFile {
    const char* name;
    std::string bytes;
    const char* message;
  };
  const BadFile files[] = {
      {"broken.gltf", "{\"asset\": {\"version\": \"2.0\"},\n \"meshes\": [}",
       "broken JSON at line 2, column 13: syntax error while parsing value - unexpected '}'; "
       "expected '[', '{', or a literal"},
      {"short.glb", std::string("glTF\x02\0\0\0\xff\0\0\0", 12),
       "binary glTF claims 255 bytes, but the file has 12"},
      {"overflow.gltf", "{\"asset\": {\"version\": \"2.0\"}, \"extras\": 1e999}",
       "broken JSON: number overflow parsing '1e999'"},
      {"inside-header.glb", std::string("glTF\x02\0\0\0\x08\0\0\0", 12),
       "binary glTF chunk header at byte 12 is cut off"},
      {"cut-chunk.glb",
       std::string("glTF\x02\0\0\0\x40\0\0\0\x04\0\0\0JSON{}  \x40\0\0\0BIN\0", 32),
       "binary glTF claims 64 bytes, but the file has 32"},
      {"long-chunk.glb",
       std::string("glTF\x02\0\0\0\x24\0\0\0\x04\0\0\0JSON{}  \x40\0\0\0BIN\0", 32) +
           std::string(4, '\0'),
       "binary glTF chunk at byte 24 claims 64 bytes, beyond the file's end"},
      {"deep.gltf",
       "{\"asset\": {\"version\": \"2.0\"},\n\"extras\": " + std::string(200000, '[') +
           std::string(200000, ']') + "}",
       "JSON nested deeper than 512 levels at line 2, column 522"}};
  for (const BadFile& bad : files) {
    const std::filesystem::path path = folder / bad.name;
    TempDir::Write(path, bad.bytes);
    EXPECT_EQ(ReadError(path), path.string() + ": " + bad.message);
  }
}

// A .glb file is read in parts, its head first; one that holds no binary
// chunk, or a chunk of another kind after its JSON, ends within that head
// and reads as an asset without buffers.
TEST_F(GltfBadFileTest, BinaryGltfWithoutABinaryChunkReadsFromAFile) {
  const std::string json = R"({"asset": {"version": "2.0"}})";
  const std::string padded = json + std::string((4 - json.size() % 4) % 4, ' ');
  const auto word = [](std::size_t value) {
    std::string bytes;
    for (int byte = 0; byte < 4; ++byte) bytes += static_cast<char>(value >> (8 * byte) & 0xFF);
    return bytes;
  };
  const std::string jsonChunk = word(padded.size()) + "JSON" + padded;
  const std::string other = word(4) + "XTRA" + std::string(4, '\0');
  for (const std::string& chunks : {jsonChunk, jsonChunk + other}) {
    const std::filesystem::path path = folder / "plain.glb";
    TempDir::Write(path, "glTF" + word(2) + word(12 + chunks.size()) + chunks);
    EXPECT_EQ(ReadError(path), "") << chunks.size() << " bytes of chunks";
  }
}

}  // namespace
