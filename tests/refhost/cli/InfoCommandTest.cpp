#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "BlendforgeVersion.h"
#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;

TEST(CliInfoTest, PrintsIdentityTypeVersionAndMenu) {
  CliResult result = RunRefhost("info " + ShellWord(ModuleFile("Blendforge")));
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("\nname      Blendforge ver.1.0 ")) << "the display string";
  EXPECT_THAT(result.out, HasSubstr("\nproduct   0xE3F7A830\n"));
  EXPECT_THAT(result.out, HasSubstr("\nID        0xBD9A1885\n"));
  EXPECT_THAT(result.out, HasSubstr("\ntype      4 (object plug-in)\n"));
  EXPECT_THAT(result.out, HasSubstr("\nversion   0x440 (its answer to host version 0x4400)\n"));
  EXPECT_THAT(result.out, HasSubstr("\nmenu 0    Blendforge\n")) << "the one menu string";
  EXPECT_THAT(result.out, ::testing::Not(HasSubstr("menu 1"))) << "MQEnumString(1) is null";
  EXPECT_EQ(result.err, "") << "a successful info prints no diagnostics";
}

TEST(CliInfoTest, HelpNamesTheDefaultsOfRun) {
  CliResult result = RunRefhost("run --help");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("its stem + .merged + its extension")) << "the default output";
  EXPECT_THAT(result.out, HasSubstr("named after the file's stem")) << "the default object";
  EXPECT_THAT(result.out, HasSubstr("edit 1 shows\n  the base name")) << "how edits are counted";
}

TEST(CliInfoTest, VersionNamesTheProgramAndItsRelease) {
  CliResult result = RunRefhost("--version");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, ::testing::StartsWith("refhost " BLENDFORGE_VERSION "\n"));
}

}  // namespace
