#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/GltfValidator.h"
#include "tests/support/HostFixture.h"
#include "tests/support/PluginModule.h"
#include "tests/support/ReadGltfAsset.h"

namespace {

namespace fs = std::filesystem;

// The merge the README and the demo show on the bundled head.
constexpr const char* kReadmeAnswers =
    " --list 1=elem:smile-head --list 2=elem:blink-head --spin 1=80 --spin 2=100"
    " --edit 2=elem:mix-head --press OK --verbose -o ";

class SampleModelTest : public HostTest {
 protected:
  CliResult Merge(const std::string& sample, const fs::path& output) {
    return RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                      ShellWord(SamplePath(sample)) + kReadmeAnswers + ShellWord(output.string()));
  }

  TempDir folder;
};

// How many statements of `kind` the OBJ text holds, and how many face corners.
struct ObjCounts {
  int statements = 0;
  int corners = 0;
};
ObjCounts Count(const std::string& text, const std::string& kind) {
  ObjCounts counts;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string first, word;
    words >> first;
    if (first == kind) ++counts.statements;
    while (first == "f" && words >> word) ++counts.corners;
  }
  return counts;
}

// Every target of the head has the base's faces and normals of its own, so
// the new object is lit as the mix: a normal per corner, not the base's.
TEST_F(SampleModelTest, ObjHeadMergesWithTheMixedNormals) {
  const fs::path output = folder / "face.merged.obj";
  const CliResult result = Merge("face.obj", output);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err.find("keeps the normals"), std::string::npos) << result.err;
  const std::string input = TempDir::Read(SamplePath("face.obj"));
  const ObjCounts before = Count(input, "vn"), after = Count(TempDir::Read(output), "vn");
  constexpr int kObjects = 5;  // the head and its four targets
  EXPECT_EQ(after.statements, before.statements + Count(input, "f").corners / kObjects);
}

TEST_F(SampleModelTest, GltfHeadGainsATargetWithNormalDeltas) {
  const fs::path output = folder / "face-mix.glb";
  const CliResult result = Merge("face.gltf", output);
  ASSERT_EQ(result.status, 0) << result.err;
  const ReadAsset read = ReadGltfAsset(output);
  const refhost::GltfJson& mesh = read.asset().json["meshes"][0];
  EXPECT_EQ(mesh["extras"]["targetNames"].back(), "mix");
  EXPECT_TRUE(mesh["primitives"][0]["targets"].back().contains("NORMAL"));
  if (kGltfValidatorReachable) {
    EXPECT_EQ(GltfValidatorErrors(output), "");
  }
}

}  // namespace
