#include <gtest/gtest.h>

#include <functional>
#include <limits>
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

constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Cases, GltfBadInputTest,
    ::testing::Values(
        BadAsset{
            "Draco",
            [](GltfBuilder& b) { b.json["extensionsUsed"] = {"KHR_draco_mesh_compression"}; },
            "/extensionsUsed/0: compressed geometry (KHR_draco_mesh_compression) cannot be read"},
        BadAsset{
            "Meshopt",
            [](GltfBuilder& b) { b.json["extensionsRequired"] = {"EXT_meshopt_compression"}; },
            "/extensionsRequired/0: compressed geometry (EXT_meshopt_compression) cannot be read"},
        BadAsset{
            "QuantizedPositions",
            [](GltfBuilder& b) { b.json["accessors"][0]["componentType"] = 5122; },
            "/accessors/0: positions are quantized (component type 5122); only float positions can "
            "be read"},
        BadAsset{"TargetCountsDisagree",
                 [](GltfBuilder& b) {
                   refhost::GltfJson second = Primitive(b);
                   second.erase("targets");
                   b.json["meshes"][0]["primitives"].push_back(second);
                 },
                 "/meshes/0/primitives/1/targets: 0 morph targets, but primitive 0 has 1"},
        BadAsset{"MissingBuffer",
                 [](GltfBuilder& b) {
                   b.json["buffers"] = {{{"byteLength", 4}, {"uri", "absent.bin"}}};
                 },
                 "/buffers/0/uri: cannot open buffer 'absent.bin'"},
        BadAsset{"AccessorBeyondBuffer",
                 [](GltfBuilder& b) { b.json["accessors"][0]["count"] = 9; },
                 "/accessors/0: 9 elements reach byte 108, beyond their buffer view's 36"},
        BadAsset{"IndexBeyondVertices", [](GltfBuilder& b) { b.json["accessors"][0]["count"] = 2; },
                 "/meshes/0/primitives/0/indices: index 2 is beyond the primitive's 2 vertices"},
        BadAsset{"NonFinitePosition",
                 [](GltfBuilder& b) {
                   const std::vector<MQPoint> points = {{0, 0, 0}, {kInfinity, 0, 0}, {0, 1, 0}};
                   b.bin.replace(0, sizeof(MQPoint) * 3,
                                 reinterpret_cast<const char*>(points.data()), sizeof(MQPoint) * 3);
                 },
                 "/accessors/0: element 1 is (inf, 0, 0), not a finite position"},
        BadAsset{
            "IndicesOfWrongType",
            [](GltfBuilder& b) { b.json["accessors"][1]["componentType"] = 5122; },
            "/meshes/0/primitives/0/indices: indices must be unsigned byte, short or int scalars "
            "(accessor 1)"},
        BadAsset{"NotAGltfAsset", [](GltfBuilder& b) { b.json.erase("asset"); },
                 "not a glTF asset: it has no \"asset\" object"},
        BadAsset{"WrongVersion", [](GltfBuilder& b) { b.json["asset"]["version"] = "1.0"; },
                 "/asset/version: glTF version '1.0' is not read; only 2.x is"},
        BadAsset{"UnknownMode", [](GltfBuilder& b) { Primitive(b)["mode"] = 7; },
                 "/meshes/0/primitives/0/mode: unknown primitive mode 7"},
        BadAsset{"BinaryChunkTooShort",
                 [](GltfBuilder& b) {
                   b.json["buffers"] = {{{"byteLength", b.bin.size()}}};
                   b.bin.resize(40);
                 },
                 "/buffers/0/byteLength: 80 bytes, but the binary chunk holds 40", "bad.glb"}),
    [](const ::testing::TestParamInfo<BadAsset>& info) { return std::string(info.param.name); });

class GltfBadFileTest : public HostTest {
 protected:
  TempDir folder;
};

// Files that are no asset at all; the number overflow and the .glb whose
// declared length ends inside its header were fuzzers' findings.
TEST_F(GltfBadFileTest, BrokenJsonAndBinaryContainersNameWhereTheyBreak) {
  const std::pair<std::string, std::string> cases[] = {
      {"broken.gltf", "{\"asset\": {\"version\": \"2.0\"},\n \"meshes\": [}"},
      {"short.glb", std::string("glTF\x02\0\0\0\xff\0\0\0", 12)},
      {"overflow.gltf", "{\"asset\": {\"version\": \"2.0\"}, \"extras\": 1e999}"},
      {"inside-header.glb", std::string("glTF\x02\0\0\0\x08\0\0\0", 12)}};
  const std::string messages[] = {
      "broken JSON at line 2, column 13: syntax error while parsing value - unexpected '}'; "
      "expected '[', '{', or a literal",
      "binary glTF claims 255 bytes, but the file has 12",
      "broken JSON: number overflow parsing '1e999'",
      "binary glTF chunk header at byte 12 is cut off"};
  for (std::size_t at = 0; at < std::size(cases); ++at) {
    const std::filesystem::path path = folder / cases[at].first;
    TempDir::Write(path, cases[at].second);
    EXPECT_EQ(ReadError(path), path.string() + ": " + messages[at]);
  }
}

}  // namespace
