#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kOldOutput = "o earlier result\n";
constexpr std::size_t kLongestClearMessage = 400;

// A triangle after `header`, so that only the header's flaw can fail the run.
std::string Triangle(const std::string& header) {
  return header + "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
}

class CliHostileInputTest : public ::testing::Test {
 protected:
  void SetUp() override { TempDir::Write(folder / "out.obj", kOldOutput); }

  CliResult Run(const std::string& model, const std::string& output) {
    return RunRefhost("run " + ModuleFile("Blendforge") + " " + ShellWord(model) + " -o " +
                      ShellWord(output));
  }
  CliResult RunModel(const std::string& name, const std::string& content) {
    TempDir::Write(folder / name, content);
    return Run((folder / name).string(), (folder / "out.obj").string());
  }

  void ExpectOutputUntouched() {
    EXPECT_EQ(TempDir::Read(folder / "out.obj"), kOldOutput) << "the existing output was damaged";
  }

  TempDir folder;
};

struct BadModel {
  const char* name;
  std::string content;
  const char* message;  // what stderr says after "refhost: <file>"
};

class CliBadModelTest : public CliHostileInputTest,
                        public ::testing::WithParamInterface<BadModel> {};

TEST_P(CliBadModelTest, FailsWithAShortMessageAndLeavesTheOutputAlone) {
  const std::string file = std::string(GetParam().name) + ".obj";
  const CliResult result = RunModel(file, GetParam().content);

  EXPECT_NE(result.status, 0) << "a flawed model must end with a non-zero exit status";
  EXPECT_THAT(result.err, StartsWith("refhost: " + (folder / file).string() + GetParam().message));
  EXPECT_LT(result.err.size(), kLongestClearMessage) << "the message buries the flaw in text";
  ExpectOutputUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadModelTest,
    ::testing::Values(
        BadModel{"Empty", "", ": holds no object"},
        BadModel{"TruncatedVertex", "o body\nv 1 2", ":2: vertex needs 3 numbers"},
        BadModel{"TruncatedFace", "o body\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2",
                 ":5: face has 2 corners, but a face needs at least 3"},
        BadModel{"IndexZero", Triangle("o body\n") + "f 0 1 2\n",
                 ":6: face refers to vertex 0, but OBJ counts from 1"},
        BadModel{"NegativeIndexBeyondTheStart", Triangle("o body\n") + "f -1 -2 -4\n",
                 ":6: face refers to vertex -4, but only 3 vertices are defined"},
        BadModel{"CornerWithoutTextureIndex", Triangle("o body\n") + "f 1/ 2 3\n",
                 ":6: malformed face corner '1/'"},
        BadModel{"TextureCoordinatesOnSomeCorners", Triangle("o body\nvt 0 0\n") + "f 1/1 2 3\n",
                 ":7: face gives texture coordinates for some corners but not for all"},
        BadModel{"NumberOutOfFloatRange", "o body\nv 1e99 0 0\n",
                 ":2: number '1e99' is outside the range of a 32-bit float"},
        BadModel{"HugeMalformedNumber", "o body\nv 1" + std::string(1 << 20, 'x') + " 0 0\n",
                 ":2: malformed number '1xxx"},
        BadModel{"LineToAMissingVertex", Triangle("o body\n") + "l 1 9\n",
                 ":6: line refers to vertex 9, but only 3 vertices are defined"},
        BadModel{"PointToAMissingVertex", Triangle("o body\n") + "p -4\n",
                 ":6: point refers to vertex -4, but only 3 vertices are defined"},
        BadModel{"MaterialWithoutAName", "usemtl\n" + Triangle("o body\n"),
                 ":1: usemtl needs a material name"},
        BadModel{"NormalBeyondTheNormals", Triangle("o body\n") + "f 1//999 2//999 3//999\n",
                 ":6: face refers to normal 999, but only 0 normals are defined"},
        BadModel{"TextureCoordinateBeyondThem", Triangle("o body\nvt 0 0\n") + "f 1/1 2/1 3/2\n",
                 ":7: face refers to texture coordinate 2, but only 1 texture coordinate is "
                 "defined"}),
    [](const ::testing::TestParamInfo<BadModel>& info) { return std::string(info.param.name); });

const auto kBadModelName = [](const ::testing::TestParamInfo<BadModel>& info) {
  return std::string(info.param.name);
};

INSTANTIATE_TEST_SUITE_P(NonFiniteNumbers, CliBadModelTest,
                         ::testing::Values(BadModel{"Infinity", "o body\nv inf 0 0\n",
                                                    ":2: number 'inf' is not finite"},
                                           BadModel{"NotANumber", Triangle("o body\nvn 0 0 nan\n"),
                                                    ":2: number 'nan' is not finite"}),
                         kBadModelName);

// A line's bound keeps an endless line from filling the memory (see also
// CliEndlessInputTest); CR-only line ends count lines too.
INSTANTIATE_TEST_SUITE_P(
    Lines, CliBadModelTest,
    ::testing::Values(BadModel{"LineBeyondTheBound", "o body\n" + std::string(17 << 20, 'v'),
                               ":2: line is longer than 16 MiB, too long for a model"},
                      BadModel{"FlawAfterCrLineEnds", "o body\rv 0 0 0\rv 1 x 0\r",
                               ":3: malformed number 'x'"}),
    kBadModelName);

struct KeptModel {
  const char* name;
  std::string content;
  const char* newObject;  // the line the merge adds, with its line end
};

class CliKeptModelTest : public CliHostileInputTest,
                         public ::testing::WithParamInterface<KeptModel> {};

TEST_P(CliKeptModelTest, ComesBackAsReadWithTheNewObject) {
  const CliResult result = RunModel("model.obj", GetParam().content);

  ASSERT_EQ(result.status, 0) << result.err;
  const std::string written = TempDir::Read(folder / "out.obj");
  EXPECT_THAT(written, StartsWith(GetParam().content));
  EXPECT_THAT(written, HasSubstr(GetParam().newObject));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliKeptModelTest,
    ::testing::Values(KeptModel{"ByteOrderMark", Triangle("\xEF\xBB\xBFo body\n"),
                                "\no elem:new-body\n"},
                      KeptModel{"CrLineEnds", "o body\rv 0 0 0\rv 1 0 0\rv 0 1 0\rf 1 2 3\r",
                                "\ro elem:new-body\r"}),
    [](const ::testing::TestParamInfo<KeptModel>& info) { return std::string(info.param.name); });

struct BadOutput {
  const char* name;
  const char* path;  // {dir} is the test's folder
  const char* message;
};

class CliBadOutputTest : public CliHostileInputTest,
                         public ::testing::WithParamInterface<BadOutput> {};

TEST_P(CliBadOutputTest, FailsWithAMessageAndLeavesTheOutputAlone) {
  TempDir::Write(folder / "model.obj", Triangle("o body\n"));
  std::string path = GetParam().path;
  if (path.rfind("{dir}", 0) == 0) path.replace(0, 5, folder.path().string());

  const CliResult result = Run((folder / "model.obj").string(), path);

  EXPECT_NE(result.status, 0) << "an unwritable output must end with a non-zero exit status";
  EXPECT_THAT(result.err, HasSubstr("refhost: " + path + ": cannot write: " + GetParam().message));
  ExpectOutputUntouched();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadOutputTest,
    ::testing::Values(BadOutput{"FolderIsAFile", "{dir}/model.obj/out.obj", "Not a directory"},
                      BadOutput{"OutputIsAFolder", "{dir}", "Is a directory"},
                      // Nobody, not even the superuser, can make files there.
                      BadOutput{"FolderCannotBeWritten", "/proc/blendforge-out.obj", ""}),
    [](const ::testing::TestParamInfo<BadOutput>& info) { return std::string(info.param.name); });

TEST_F(CliHostileInputTest, NameInvalidInTheLocaleIsKeptAndTheNewObjectNamedInvalid) {
  const std::string name =
      "\xff\xfe"
      "body";
  const CliResult result = RunModel("model.obj", Triangle("o " + name + "\n"));

  ASSERT_EQ(result.status, 0) << result.err;
  const std::string written = TempDir::Read(folder / "out.obj");
  EXPECT_THAT(written, HasSubstr("o " + name + "\n")) << "the base's name bytes were changed";
  EXPECT_THAT(written, HasSubstr("o invalid\n"))
      << "a proposal that cannot be shown must name the new object \"invalid\"";
}

TEST_F(CliHostileInputTest, HugeNameIsKeptWholeAndProposedCut) {
  const std::string name(1 << 20, 'n');
  const CliResult result = RunModel("model.obj", Triangle("o " + name + "\n"));

  ASSERT_EQ(result.status, 0) << result.err.substr(0, kLongestClearMessage);
  const std::string written = TempDir::Read(folder / "out.obj");
  EXPECT_THAT(written, StartsWith("o " + name + "\n")) << "the base's long name was cut";
  EXPECT_THAT(written, HasSubstr("\no elem:new-" + name.substr(0, 249) + "\n"))
      << "the proposal must use the name as read into the 250-byte buffer";
}

TEST_F(CliHostileInputTest, PluginThatIsAFolderIsRefused) {
  const CliResult result = RunRefhost("info " + ShellWord(folder.path().string()));

  EXPECT_NE(result.status, 0);
  EXPECT_THAT(result.err, HasSubstr("refhost: " + folder.path().string() + ": "));
}

}  // namespace
