#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kMerge =
    "--list 1=elem:smile-body --list 2=elem:blink-body --spin 1=50 --spin 2=150 --press OK";

// Width and height from a PNG file's header chunk.
std::pair<std::uint32_t, std::uint32_t> PngSize(const std::string& png) {
  const auto word = [&png](std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = value << 8 | static_cast<unsigned char>(png[at + i]);
    return value;
  };
  if (png.size() < 24 || png.compare(1, 3, "PNG") != 0) return {0, 0};
  return {word(16), word(20)};
}

class CliPreviewTest : public ::testing::Test {
 protected:
  CliResult Run(const std::string& options) {
    return RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                      ShellWord(PatchModelPath()) + " -o " + ShellWord(model.string()) + " " +
                      options);
  }

  TempDir folder;
  const std::filesystem::path model = folder / "merged.obj";
  const std::filesystem::path picture = folder / "preview.png";
};

TEST_F(CliPreviewTest, RunDrawsThePreviewAtTheRequestedSize) {
  const CliResult result =
      Run(kMerge + " --preview " + ShellWord(picture.string()) + " --preview-size 640x200");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Drew the preview to ")) << "the report names the picture";
  EXPECT_EQ(PngSize(TempDir::Read(picture)), std::make_pair(640u, 200u));
}

TEST_F(CliPreviewTest, UnwritablePreviewFailsAfterTheModelIsWritten) {
  const std::string nowhere = (folder / "missing" / "preview.png").string();
  const CliResult result = Run(kMerge + " --preview " + ShellWord(nowhere));
  EXPECT_EQ(result.status, 1) << "a preview that cannot be written is an error";
  EXPECT_THAT(result.err, StartsWith("refhost: " + nowhere + ": cannot write"));
  EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
  EXPECT_TRUE(std::filesystem::exists(model)) << "the model must be written before the preview";
}

TEST_F(CliPreviewTest, CancelledCommandDrawsNothing) {
  const CliResult result = Run("--press Cancel --preview " + ShellWord(picture.string()));
  EXPECT_EQ(result.status, 2);
  EXPECT_FALSE(std::filesystem::exists(picture)) << "a command that changed nothing draws nothing";
}

TEST_F(CliPreviewTest, BadSizesAreRefusedNamingTheOption) {
  for (const char* size : {"0x500", "1600x0", "wide", "1600x", "16385x500", "1600x99999999999"}) {
    const CliResult result = Run(kMerge + " --preview " + ShellWord(picture.string()) +
                                 " --preview-size " + ShellWord(size));
    EXPECT_EQ(result.status, 1) << size;
    EXPECT_THAT(result.err, StartsWith("refhost: --preview-size ")) << size;
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    EXPECT_FALSE(std::filesystem::exists(model)) << size << ": nothing may be written";
  }
}

TEST_F(CliPreviewTest, ShowDrawsTheFirstObjectAndItsTargets) {
  const CliResult result = RunRefhost("show " + ShellWord(PatchModelPath()) + " --preview " +
                                      ShellWord(picture.string()) + " --preview-size 800x250");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Drew 4 objects")) << "body and its three targets";
  EXPECT_EQ(PngSize(TempDir::Read(picture)), std::make_pair(800u, 250u));

  const CliResult unknown = RunRefhost("show " + ShellWord(PatchModelPath()) +
                                       " --object nose --preview " + ShellWord(picture.string()));
  EXPECT_EQ(unknown.status, 1);
  EXPECT_THAT(unknown.err, HasSubstr("no object named 'nose'"));
}

CliResult Show(const std::filesystem::path& model, const std::filesystem::path& picture,
               const std::string& options = "") {
  return RunRefhost("show " + ShellWord(model.string()) + " --preview " +
                    ShellWord(picture.string()) + " " + options);
}

TEST_F(CliPreviewTest, ViewAndShadingChooseAnotherPicture) {
  const std::filesystem::path face = PatchModelPath();
  std::vector<std::string> pictures;
  for (const char* options : {"", "--view front", "--view top", "--shading flat"}) {
    const CliResult result = Show(face, picture, options);
    ASSERT_EQ(result.status, 0) << options << ": " << result.err;
    pictures.push_back(TempDir::Read(picture));
    EXPECT_EQ(PngSize(pictures.back()), std::make_pair(1600u, 500u)) << options;
  }
  for (std::size_t i = 1; i < pictures.size(); ++i)
    EXPECT_NE(pictures[i], pictures[0]) << "option set " << i << " drew the default picture";
}

TEST_F(CliPreviewTest, UnknownViewsAndShadingsAreRefusedNamingTheOption) {
  for (const char* options : {"--view sideways", "--view FRONT", "--view ''", "--shading phong"}) {
    const CliResult result = Show(PatchModelPath(), picture, options);
    EXPECT_EQ(result.status, 1) << options;
    const std::string option = std::string(options).substr(0, std::string(options).find(' '));
    EXPECT_THAT(result.err, StartsWith("refhost: " + option + " ")) << options;
    EXPECT_THAT(result.err, HasSubstr("expected ")) << "the message lists the values";
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "one line: " << result.err;
    EXPECT_FALSE(std::filesystem::exists(picture)) << options << ": nothing may be drawn";
  }
}

// A face rig of forty targets: one strip of 41 panels left every name "...".
TEST_F(CliPreviewTest, ShowWrapsManyTargetsIntoRows) {
  std::string obj = "o Head\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
  for (int target = 1; target <= 40; ++target) {
    const int first = target * 3 + 1;
    obj += "o elem:target_" + std::to_string(target) + "-Head\nv 0 0 0.1\nv 1 0 0\nv 0 1 0\nf " +
           std::to_string(first) + " " + std::to_string(first + 1) + " " +
           std::to_string(first + 2) + "\n";
  }
  const std::filesystem::path rig = folder / "rig.obj";
  TempDir::Write(rig, obj);
  const CliResult result = Show(rig, picture);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Drew 41 objects"));
  const auto [width, height] = PngSize(TempDir::Read(picture));
  EXPECT_EQ(width, 1600u) << "the default width holds rows of panels";
  EXPECT_GT(height, 1000u) << "41 panels need several rows";
}

}  // namespace
