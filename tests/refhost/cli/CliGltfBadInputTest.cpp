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
INSTANTIATE_TEST_SUITE_P(Cases, CliGltfBadInputTest,
                         ::testing::Values(BadAssetNamed("Draco"),
                                           BadAssetNamed("BinaryChunkTooShort")),
                         [](const ::testing::TestParamInfo<BadAsset>& info) {
                           return std::string(info.param.name);
                         });

// A file that is no asset at all ends the same way, however it is written
// out: here to stdout.
TEST(CliGltfBadFileTest, BrokenJsonNamesWhereItBreaks) {
  TempDir folder;
  const std::string path = (folder / "broken.gltf").string();
  TempDir::Write(path, "{\"asset\": {\"version\": \"2.0\"},\n \"meshes\": [}");
  const CliResult result =
      RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(path) + " -o -");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "refhost: " + path +
                            ": broken JSON at line 2, column 13: syntax error while parsing value "
                            "- unexpected '}'; expected '[', '{', or a literal\n");
  EXPECT_EQ(result.out, "") << "nothing may be written to stdout";
}

}  // namespace
