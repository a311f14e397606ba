#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;

struct BadRun {
  const char* name;
  const char* arguments;  // {plugin}, {dir} and {sample} are filled in
  const char* message;    // what stderr must say, with the same fill-ins
};

std::string Fill(std::string text, const std::string& dir) {
  auto replace = [&](const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  };
  replace("{plugin}", ModuleFile("Blendforge"));
  replace("{sample}", PatchModelPath());
  replace("{module}", BLENDFORGE_MODULE_SUFFIX);
  replace("{dir}", dir);
  return text;
}

std::string ThirtySixVerticesAndBadFace() {
  std::string text = "o body\n";
  for (int index = 0; index < 36; ++index) text += "v 0 0 0\n";
  return text + "f 1 2 40\n";
}

class CliBadInputTest : public ::testing::TestWithParam<BadRun> {
 protected:
  void SetUp() override {
    TempDir::Write(folder / "out.obj", kOldOutput);
    TempDir::Write(folder / "bad-number.obj", "o body\nv 1 x 3\n");
    TempDir::Write(folder / "bad-face.obj", ThirtySixVerticesAndBadFace());
    TempDir::Write(folder / "binary.obj", std::string("v 0 0 0\n\x7f"
                                                      "ELF\0\0",
                                                      14));
    TempDir::Write(folder / ("not-a-plugin" + std::string(BLENDFORGE_MODULE_SUFFIX)), "text\n");
  }

  static constexpr const char* kOldOutput = "o earlier result\n";
  TempDir folder;
};

TEST_P(CliBadInputTest, FailsWithAMessageAndLeavesTheOutputAlone) {
  if (std::string(GetParam().arguments).find("/dev/full") != std::string::npos &&
      !std::filesystem::exists("/dev/full"))
    GTEST_SKIP() << "this system has no /dev/full";
  const std::string dir = folder.path().string();
  CliResult result = RunRefhost(Fill(GetParam().arguments, dir));
  EXPECT_NE(result.status, 0) << "bad input must end with a non-zero exit status";
  EXPECT_THAT(result.err, HasSubstr(Fill(GetParam().message, dir)));
  EXPECT_EQ(TempDir::Read(folder / "out.obj"), kOldOutput) << "the existing output was damaged";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliBadInputTest,
    ::testing::Values(
        BadRun{"MissingModel", "run {plugin} {dir}/absent.obj -o {dir}/out.obj",
               "refhost: {dir}/absent.obj: cannot open: No such file or directory"},
        // Linux opens a folder and fails to read it, Windows fails to open it.
        BadRun{"ModelIsAFolder", "run {plugin} {dir} -o {dir}/out.obj", "refhost: {dir}: cannot "},
        BadRun{"MalformedNumber", "run {plugin} {dir}/bad-number.obj -o {dir}/out.obj",
               "refhost: {dir}/bad-number.obj:2: malformed number 'x'"},
        BadRun{"FaceBeyondTheVertices", "run {plugin} {dir}/bad-face.obj -o {dir}/out.obj",
               "refhost: {dir}/bad-face.obj:38: face refers to vertex 40, but only 36 vertices "
               "are defined"},
        BadRun{"BinaryModel", "run {plugin} {dir}/binary.obj -o {dir}/out.obj",
               "refhost: {dir}/binary.obj:2: not a text file: holds a NUL byte"},
        BadRun{"UnknownObject", "run {plugin} {sample} --object nose -o {dir}/out.obj",
               "refhost: {sample}: no object named 'nose' (it has 'body', 'elem:smile-body', "
               "'elem:blink-body', 'elem:frown-body', 'elem:wink-body', 'hat')"},
        BadRun{"MissingPlugin", "info {dir}/absent.so",
               "refhost: {dir}/absent.so: no such plug-in file"},
        BadRun{
            "PluginNotAModule", "info {dir}/not-a-plugin{module}",
            "refhost: {dir}/not-a-plugin{module}: cannot be loaded as a module on this platform"},
        BadRun{"ModuleWithoutEntryPoints", "info ./refhost{module}",
               "refhost: ./refhost{module}: not a plug-in: it lacks MQCheckVersion, MQInit, "
               "MQGetPlugInID, MQGetPlugInName, MQGetPlugInType, MQEnumString, MQModifyObject"},
        BadRun{"VersionRefused", "info ./cli_fake_old_plugin{module}",
               "refhost: ./cli_fake_old_plugin{module}: the plug-in refuses host version 0x4400 "
               "(MQCheckVersion answered 0)"},
        BadRun{"InitFails", "info ./cli_fake_unbindable_plugin{module}",
               "refhost: ./cli_fake_unbindable_plugin{module}: MQInit failed to bind the host "
               "functions from "},
        BadRun{"NoSuchCommand", "run {plugin} {sample} --command 1 -o {dir}/out.obj",
               "refhost: {plugin}: has no menu command 1 (its commands are 0 to 0)"},
        BadRun{"SpinValueNotANumber", "run {plugin} {sample} --spin 1=abc -o {dir}/out.obj",
               "refhost: --spin 1=abc: 'abc' is not a number"},
        BadRun{"WidgetNumberNotANumber", "run {plugin} {sample} --list x=hat -o {dir}/out.obj",
               "refhost: --list x=hat: 'x' is not a widget number (1, 2, ...)"},
        BadRun{"AnswerWithoutValue", "run {plugin} {sample} --edit 2 -o {dir}/out.obj",
               "refhost: --edit 2: expected N=VALUE"},
        BadRun{"UnknownListBox", "run {plugin} {sample} --list 3=elem:smile-body -o {dir}/out.obj",
               "refhost: --list 3=elem:smile-body: the dialog has no listbox number 3"},
        BadRun{"UnknownListItem", "run {plugin} {sample} --list 1=elem:wink-body -o {dir}/out.obj",
               "refhost: --list 1=elem:wink-body: list box 1 has no item \"elem:wink-body\""},
        BadRun{"UnknownButton", "run {plugin} {sample} --press Maybe -o {dir}/out.obj",
               "refhost: --press Maybe: the dialog has no button \"Maybe\""},
        BadRun{"MissingOutputFolder", "run {plugin} {sample} -o {dir}/absent/out.obj",
               "refhost: {dir}/absent/out.obj: cannot write: No such file or directory"},
        BadRun{"FullDevice", "run {plugin} {sample} -o /dev/full",
               "refhost: /dev/full: cannot write: No space left on device"}),
    [](const ::testing::TestParamInfo<BadRun>& info) { return std::string(info.param.name); });

}  // namespace
