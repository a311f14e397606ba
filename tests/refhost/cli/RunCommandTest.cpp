#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "refhost/model/obj/ObjReader.h"
#include "tests/support/CliRunner.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;

class CliRunTest : public HostTest {
 protected:
  std::string Run(const std::string& answers) {
    return "run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(PatchModelPath()) +
           " -o " + ShellWord(output.string()) + " " + answers;
  }

  refhost::Document& ReadBack(const std::filesystem::path& path) {
    refhost::Document& document = referenceHost().NewDocument();
    refhost::ReadObjFile(path, document);
    return document;
  }

  static const refhost::Object* Named(const refhost::Document& document, const std::string& name) {
    for (int index = 0; index < document.ObjectCount(); ++index)
      if (document.ObjectAt(index)->name() == name) return document.ObjectAt(index);
    return nullptr;
  }

  // The blend as float32 arithmetic gives it: each target's weighted offset
  // added in turn, skipping vertices where the target equals the base.
  static MQPoint Blend(MQPoint base, const MQPoint& target1, float weight1, const MQPoint& target2,
                       float weight2) {
    MQPoint point = base;
    for (auto [target, weight] : {std::pair{target1, weight1}, std::pair{target2, weight2}}) {
      if (target.x == base.x && target.y == base.y && target.z == base.z) continue;
      point.x = point.x + (target.x - base.x) * weight;
      point.y = point.y + (target.y - base.y) * weight;
      point.z = point.z + (target.z - base.z) * weight;
    }
    return point;
  }

  TempDir folder;
  std::filesystem::path output = folder / "out.obj";
};

TEST_F(CliRunTest, AnswersFromTheCommandLineMergeTheChosenTargets) {
  CliResult result =
      RunRefhost(Run("--list 1=elem:smile-body --list 2=elem:blink-body --spin 1=50 --spin 2=150 "
                     "--edit 2=elem:mix-body --press OK"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Added object 'elem:mix-body' (36 vertices) at position 2 "
                                    "of 7, right after 'body'.\n"));
  EXPECT_THAT(result.out, HasSubstr("Wrote the document (7 objects) to " + output.string()));

  refhost::Document& merged = ReadBack(output);
  const refhost::Object* mix = Named(merged, "elem:mix-body");
  const refhost::Object* body = Named(merged, "body");
  const refhost::Object* smile = Named(merged, "elem:smile-body");
  const refhost::Object* blink = Named(merged, "elem:blink-body");
  ASSERT_TRUE(mix && body && smile && blink) << "an object went missing in the output";
  ASSERT_EQ(mix->VertexCount(), body->VertexCount());
  for (int index = 0; index < body->VertexCount(); ++index)
    EXPECT_EQ(BitsOf(mix->Vertex(index)), BitsOf(Blend(body->Vertex(index), smile->Vertex(index),
                                                       0.5f, blink->Vertex(index), 1.5f)))
        << "vertex " << index << " is not 50% smile plus 150% blink";
}

TEST_F(CliRunTest, WithoutAnswersOrTerminalTheDefaultButtonIsPressed) {
  CliResult result = RunRefhost(Run(""));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Added object 'elem:new-body' (36 vertices)"))
      << "OK keeps the proposed name";
}

TEST_F(CliRunTest, AnswersWithoutPressUseTheDefaultButton) {
  CliResult result = RunRefhost(Run("--spin 1=0"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("Added object 'elem:new-body'"));
}

TEST_F(CliRunTest, CancelChangesNothingAndWritesNoFile) {
  CliResult result = RunRefhost(Run("--spin 1=20 --press Cancel"));
  EXPECT_EQ(result.status, 2) << "status 2 tells a script that nothing changed";
  EXPECT_EQ(result.out,
            "Blendforge changed nothing (cancelled or refused); no file was written.\n");
  EXPECT_FALSE(std::filesystem::exists(output)) << "a cancelled run wrote a file";
}

TEST_F(CliRunTest, ObjectOptionChoosesTheBase) {
  CliResult result = RunRefhost(Run("--object hat"));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out,
              HasSubstr("Added object 'elem:new-hat' (8 vertices) at position 7 of 7, right "
                        "after 'hat'.\n"))
      << "a base without targets still gets its copy";
}

TEST_F(CliRunTest, DefaultOutputGoesBesideTheModel) {
  std::filesystem::copy_file(PatchModelPath(), folder / "face.obj");
  CliResult result = RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                                ShellWord((folder / "face.obj").string()));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_TRUE(std::filesystem::exists(folder / "face.merged.obj"))
      << "the result belongs beside the model, named after its stem";
}

// stdin redirected from a file reaches the program as a link to that file;
// the result goes beside the file, never into /dev.
TEST_F(CliRunTest, DefaultOutputOfALinkGoesBesideTheFileItLeadsTo) {
  if (!std::filesystem::is_symlink("/dev/stdin")) GTEST_SKIP() << "this system has no /dev/stdin";
  CliShell shell;
  shell.input = TempDir::Read(PatchModelPath());
  CliResult result =
      RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " /dev/stdin --press OK", shell);
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("/in.merged.\n")) << "the result belongs beside stdin's file";
  EXPECT_FALSE(std::filesystem::exists("/dev/stdin.merged")) << "a file was created in /dev";
}

}  // namespace
