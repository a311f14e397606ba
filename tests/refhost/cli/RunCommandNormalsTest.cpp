#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/MorphNormalsObj.h"
#include "tests/support/ObjResolvedLines.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;

// The plug-in merging 50% smile and 150% blink of a model whose targets carry
// normals of their own.
class CliMergedNormalsTest : public ::testing::Test {
 protected:
  CliResult Merge(const std::string& model, const std::string& options = "") {
    TempDir::Write(input, model);
    return RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                      ShellWord(input.string()) + " -o " + ShellWord(output.string()) +
                      " --list 1=elem:smile-body --list 2=elem:blink-body --spin 1=50"
                      " --spin 2=150 --edit 2=elem:mix-body --press OK " +
                      options);
  }

  TempDir folder;
  std::filesystem::path input = folder / "shape-keys.obj";
  std::filesystem::path output = folder / "merged.obj";
};

TEST_F(CliMergedNormalsTest, MergedObjectShadesAsTheMixOfItsTargetsNormals) {
  const CliResult result = Merge(kMorphNormalsObj);
  ASSERT_EQ(result.status, 0) << result.err;

  const std::string written = TempDir::Read(output);
  std::vector<std::string> lines = ObjLinesOf(written);
  const std::vector<std::string> merged = TakeObjectLines(lines, "elem:mix-body");
  ASSERT_EQ(merged.size(), 13u) << written;
  EXPECT_EQ(merged[11], "f 5//5 6//6 7//7");
  EXPECT_EQ(merged[12], "f 6//8 8//9 7//10") << "each corner must name its own mixed normal";
  ExpectMixedNormals(NormalsOn(merged), ReferenceMorphNormals(0.5f, 1.5f));

  std::vector<std::string> resolved = ResolvedLines(written);
  TakeObjectLines(resolved, "elem:mix-body");
  EXPECT_EQ(resolved, ResolvedLines(kMorphNormalsObj))
      << "every other line must come back, each reference naming the line it named";
}

TEST_F(CliMergedNormalsTest, VerboseRunSaysWhyTheMergedObjectKeepsItsBasesNormals) {
  std::string model = kMorphNormalsObj;
  const std::string blinkFaces = "f 9//9 10//10 11//11\nf 10//10 12//12 11//11\n";
  model.replace(model.find(blinkFaces), blinkFaces.size(), "f 9 10 11\nf 10 12 11\n");
  const CliResult result = Merge(model, "--verbose");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.err, HasSubstr("Object 'elem:mix-body' keeps the normals of 'body': face 1 "
                                    "of 'elem:blink-body' has no normals.\n"));

  std::vector<std::string> lines = ObjLinesOf(TempDir::Read(output));
  const std::vector<std::string> merged = TakeObjectLines(lines, "elem:mix-body");
  ASSERT_EQ(merged.size(), 7u) << "the merged object must add no normals";
  EXPECT_EQ(merged[5], "f 5//1 6//2 7//3");
  EXPECT_EQ(merged[6], "f 6//2 8//4 7//3") << "the merged object must name its base's normals";
}

}  // namespace
