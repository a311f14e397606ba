#include <gmock/gmock.h>

#include <algorithm>
#include <sstream>

#include "BatchFixture.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::vector<std::string> SortedLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

using RunModelsTest = BatchTest;

TEST_F(RunModelsTest, BadFilesFailAloneWithTheirOwnLinesAndTheRunSaysSo) {
  const std::vector<std::string> batch{GoodModel("a.obj"), BadModel("bad.obj"), GoodModel("b.obj"),
                                       (models / "absent.obj").string()};
  const CliResult result = RunRefhost(Run(batch, Into(merged) + " -j 2 " + kAnswers));

  EXPECT_EQ(result.status, 1) << "a failed model must fail the run";
  EXPECT_EQ(result.out, "2 merged, 2 failed\n");
  EXPECT_EQ(
      SortedLines(result.err),
      (std::vector<std::string>{"refhost: " + batch[3] + ": cannot open: No such file or directory",
                                "refhost: " + batch[1] + ":2: malformed number 'x'"}))
      << "each failure is the worker's one line, and nothing else is said";
  EXPECT_THAT(result.err, Not(HasSubstr("\r"))) << "progress went to a stderr that is no terminal";
  EXPECT_FALSE(std::filesystem::exists(merged / "bad.obj")) << "a failed model left a result";

  const std::filesystem::path single = folder / "single";
  std::filesystem::create_directories(single);
  for (const char* name : {"a.obj", "b.obj"}) {
    const CliResult alone = RunRefhost(Run(
        {(models / name).string()}, "-o " + ShellWord((single / name).string()) + " " + kAnswers));
    ASSERT_EQ(alone.status, 0) << alone.err;
    EXPECT_EQ(TempDir::Read(merged / name), TempDir::Read(single / name))
        << name << " merged in a batch differs from the same model merged alone";
  }
}

// Each model is merged in a process of its own, so that a plug-in that ends
// its process takes no other model with it, and the run says how it ended.
TEST_F(RunModelsTest, AWorkerThatCrashesFailsOnlyItsModel) {
  const std::vector<std::string> batch{GoodModel("a.obj"), GoodModel("b.obj")};
  std::string arguments = "run " + ShellWord(ModuleFile("cli_fake_crashing_plugin"));
  for (const std::string& model : batch) arguments += " " + ShellWord(model);
  const CliResult result = RunRefhost(arguments + " " + Into(merged) + " -j 1");

  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "0 merged, 2 failed\n") << "the second model was still tried";
  const std::vector<std::string> lines = SortedLines(result.err);
  ASSERT_EQ(lines.size(), 2u) << result.err;
  for (std::size_t at = 0; at < lines.size(); ++at)
    EXPECT_THAT(lines[at],
                ::testing::StartsWith("refhost: " + batch[at] + ": the merge's process ended "));
  EXPECT_FALSE(std::filesystem::exists(merged / "a.obj")) << "a crashed merge left a result";
}

TEST_F(RunModelsTest, OneWorkerOrTwoGiveTheSameResults) {
  const std::vector<std::string> batch{GoodModel("a.obj"), BadModel("bad.obj"), GoodModel("b.obj"),
                                       GoodModel("c.obj")};
  const CliResult one = RunRefhost(Run(batch, Into(folder / "one") + " -j 1 " + kAnswers));
  const CliResult two = RunRefhost(Run(batch, Into(folder / "two") + " -j 2 " + kAnswers));

  EXPECT_EQ(one.status, two.status);
  EXPECT_EQ(one.out, "3 merged, 1 failed\n");
  EXPECT_EQ(two.out, one.out);
  EXPECT_EQ(SortedLines(two.err), SortedLines(one.err));
  for (const char* name : {"a.obj", "b.obj", "c.obj"})
    EXPECT_EQ(TempDir::Read(folder / "two" / name), TempDir::Read(folder / "one" / name))
        << name << " depends on how many workers ran";
}

TEST_F(RunModelsTest, ModelsTheCommandChangedNothingInAreNeitherMergedNorFailed) {
  const std::string good = GoodModel("a.obj");
  const CliResult mixed =
      RunRefhost(Run({good, BadModel("bad.obj")}, Into(merged) + " --press Cancel"));
  EXPECT_EQ(mixed.status, 1);
  EXPECT_EQ(mixed.out, good +
                           ": Blendforge changed nothing (cancelled or refused); no file was "
                           "written.\n0 merged, 1 unchanged, 1 failed\n");

  const CliResult cancelled = RunRefhost(Run({good}, Into(merged) + " --press Cancel"));
  EXPECT_EQ(cancelled.status, 2) << "a batch that changed nothing must say so as a single run does";
  EXPECT_THAT(cancelled.out, HasSubstr("0 merged, 1 unchanged, 0 failed\n"));
  EXPECT_FALSE(std::filesystem::exists(merged / "a.obj")) << "an unmerged copy was written";
}

TEST_F(RunModelsTest, AnExistingResultIsReplaced) {
  const std::string model = GoodModel("a.obj");
  std::filesystem::create_directories(merged);
  TempDir::Write(merged / "a.obj", "an earlier result\n");
  const CliResult result = RunRefhost(Run({model}, Into(merged) + " " + kAnswers));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(TempDir::Read(merged / "a.obj"), HasSubstr("o elem:mix-body"));
}

}  // namespace
