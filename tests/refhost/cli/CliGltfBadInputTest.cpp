#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/GltfBadAsset.h"
#include "tests/support/PluginModule.h"

namespace {

class CliGltfBadInputTest : public ::testing::TestWithParam<BadAsset> {
 protected:
  TempDir folder;
};

TEST_P(CliGltfBadInputTest, FailsWithOneLineAndLeavesTheOutputAlone) {
  const std::string path = (folder / GetParam().file).string();
  GltfBuilder asset = Triangle();
  GetParam().spoil(asset);
  asset.Write(path, std::string(GetParam().file).find(".glb") != std::string::npos
                        ? GltfBuilder::Storage::Glb
                        : GltfBuilder::Storage::DataUri);
  const std::string old = "kept";
  TempDir::Write(folder / "out.gltf", old);
  const CliResult result =
      RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(path) +
                 " --press OK -o " + ShellWord((folder / "out.gltf").string()));
  EXPECT_EQ(result.status, 1) << "bad input ends with status 1";
  EXPECT_EQ(result.err, "refhost: " + path + ": " + GetParam().message + "\n");
  EXPECT_EQ(TempDir::Read(folder / "out.gltf"), old) << "the existing output was damaged";
}

// The readers' refusals are tested case by case beside them; these show that
// the command line hands each on as its one line, from a .gltf and a .glb.
INSTANTIATE_TEST_SUITE_P(
    Cases, CliGltfBadInputTest,
    ::testing::Values(
        BadAsset{
            "Draco",
            [](GltfBuilder& b) { b.json["extensionsUsed"] = {"KHR_draco_mesh_compression"}; },
            "/extensionsUsed/0: compressed geometry (KHR_draco_mesh_compression) cannot be read"},
        BadAsset{"BinaryChunkTooShort",
                 [](GltfBuilder& b) {
                   b.json["buffers"] = {{{"byteLength", b.bin.size()}}};
                   b.bin.resize(40);
                 },
                 "/buffers/0/byteLength: 80 bytes, but the binary chunk holds 40", "bad.glb"}),
    [](const ::testing::TestParamInfo<BadAsset>& info) { return std::string(info.param.name); });

// Files that are no asset at all; the number overflow and the .glb whose
// declared length ends inside its header were fuzzers' findings.
TEST(CliGltfBadFileTest, BrokenJsonAndBinaryContainersNameWhereTheyBreak) {
  TempDir folder;
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
    const std::string path = (folder / cases[at].first).string();
    TempDir::Write(path, cases[at].second);
    const CliResult result =
        RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(path) + " -o -");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "refhost: " + path + ": " + messages[at] + "\n");
  }
}

}  // namespace
