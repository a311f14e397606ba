#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "refhost/model/ModelFormat.h"
#include "tests/support/CliRunner.h"
#include "tests/support/GltfTestAsset.h"
#include "tests/support/PluginModule.h"

namespace {

namespace fs = std::filesystem;

// A model under an extension that names no format, in each format read.
struct UnnamedModel {
  const char* name;
  refhost::ModelFormat format;
};
void PrintTo(const UnnamedModel& model, std::ostream* out) { *out << model.name; }

class CliModelFormatTest : public ::testing::TestWithParam<UnnamedModel> {
 protected:
  CliModelFormatTest() {
    if (GetParam().format == refhost::ModelFormat::Obj)
      TempDir::Write(input, TempDir::Read(PatchModelPath()));
    else
      TestAsset().Write(input, GetParam().format == refhost::ModelFormat::Glb
                                   ? GltfBuilder::Storage::Glb
                                   : GltfBuilder::Storage::DataUri);
  }

  TempDir folder;
  fs::path input = folder / "model.dat";
};

TEST_P(CliModelFormatTest, IsReadByItsContentAndWrittenInTheSameFormat) {
  const CliResult run = RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                                   ShellWord(input.string()) + " --press OK");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(refhost::FormatOfContent(TempDir::Read(folder / "model.merged.dat")), GetParam().format)
      << "the default output, under the input's extension, must keep the format read";
  const CliResult show = RunRefhost("show " + ShellWord(input.string()) + " --preview " +
                                    ShellWord((folder / "look.png").string()));
  EXPECT_EQ(show.status, 0) << show.err;
}

INSTANTIATE_TEST_SUITE_P(Formats, CliModelFormatTest,
                         ::testing::Values(UnnamedModel{"BinaryGltf", refhost::ModelFormat::Glb},
                                           UnnamedModel{"GltfJson", refhost::ModelFormat::Gltf},
                                           UnnamedModel{"ObjText", refhost::ModelFormat::Obj}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliUnknownFormatTest, FileOfNoFormatReadIsRefusedListingTheFormats) {
  TempDir folder;
  TempDir::Write(folder / "program.dat", std::string("\x7f"
                                                     "ELF\2\1\1\0\0\0",
                                                     10));
  TempDir::Write(folder / "notes.txt", "Shopping list\nv 1 2 3\n");
  for (const char* name : {"program.dat", "notes.txt"}) {
    const std::string path = (folder / name).string();
    const std::string refusal =
        "refhost: " + path +
        ": not a model file that refhost reads (OBJ .obj, glTF .gltf, binary glTF .glb, VRM "
        ".vrm)\n";
    const CliResult run =
        RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(path) + " -o " +
                   ShellWord((folder / "out.obj").string()));
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_EQ(run.err, refusal);
    const CliResult show = RunRefhost("show " + ShellWord(path) + " --preview " +
                                      ShellWord((folder / "look.png").string()));
    EXPECT_EQ(show.status, 1) << name;
    EXPECT_EQ(show.err, refusal);
  }
  EXPECT_FALSE(fs::exists(folder / "out.obj") || fs::exists(folder / "look.png"));
}

}  // namespace
