#include <gmock/gmock.h>

#include "BatchFixture.h"

namespace {

using ::testing::HasSubstr;

using BatchPlanTest = BatchTest;

// Refused batches say so in one line and run nothing: no folder is made, no
// model touched.
void ExpectRefused(const CliResult& result, const std::string& message,
                   const std::filesystem::path& merged) {
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "refhost: " + message + "\n");
  EXPECT_EQ(result.out, "") << "a refused batch reported work";
  EXPECT_FALSE(std::filesystem::exists(merged)) << "a refused batch made its output folder";
}

TEST_F(BatchPlanTest, TwoModelsOfOneFileNameAreRefused) {
  const std::string first = GoodModel("a.obj");
  std::filesystem::create_directories(models / "other");
  const std::string second = GoodModel("other/a.obj");
  ExpectRefused(RunRefhost(Run({first, second}, Into(merged))),
                first + " and " + second + " would both be written to " +
                    (merged / "a.obj").string() + "; merge them in separate runs",
                merged);
}

TEST_F(BatchPlanTest, AModelThatWouldBeItsOwnResultIsRefused) {
  const std::string model = GoodModel("a.obj");
  const CliResult result = RunRefhost(Run({model}, Into(models) + " " + kAnswers));
  EXPECT_EQ(result.status, 1);
  EXPECT_THAT(result.err, HasSubstr("is its own output"));
  EXPECT_EQ(TempDir::Read(model), TempDir::Read(PatchModelPath()))
      << "the user's model was replaced";
}

TEST_F(BatchPlanTest, OptionsForOneModelAreRefused) {
  const std::string model = GoodModel("a.obj");
  const std::string other = GoodModel("b.obj");
  ExpectRefused(RunRefhost(Run({model, other}, "")),
                "2 models need --output-dir DIR, where each result is written under its model's "
                "file name",
                merged);
  ExpectRefused(RunRefhost(Run({model}, Into(merged) + " -o x.obj")),
                "-o names the output of one model; a batch writes into --output-dir", merged);
  ExpectRefused(RunRefhost(Run({model}, Into(merged) + " --preview x.png")),
                "--preview draws one model; leave out --output-dir to draw it", merged);
  ExpectRefused(RunRefhost(Run({model, "-"}, Into(merged))),
                "-: stdin cannot be one model of a batch; name the files", merged);
}

}  // namespace
