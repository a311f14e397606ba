#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

constexpr const char* kOldOutput = "o earlier result\n";
constexpr std::size_t kLongestClearMessage = 400;

#ifdef _WIN32
constexpr bool kPosixShell = false;
#else
constexpr bool kPosixShell = true;
#endif

// One misuse of the command line. A case needing what only a posix system
// has (FIFOs, /dev/full, /dev/stdin, control characters in arguments,
// ulimit) is skipped under wine.
struct HostileCase {
  const char* name;
  std::string arguments;  // {plugin}, {sample}, {dir} and {module} are filled in
  std::string message;    // what stderr starts with, filled in the same way
  bool posixOnly = false;
  std::string input = "";   // stdin; {sample} puts the sample model there
  std::string prefix = "";  // shell commands to run first
};

std::string CaseName(const ::testing::TestParamInfo<HostileCase>& info) { return info.param.name; }

class CliHostileUseTest : public ::testing::TestWithParam<HostileCase> {
 protected:
  void SetUp() override {
    if (GetParam().posixOnly && !kPosixShell) GTEST_SKIP() << "needs a posix system";
    TempDir::Write(folder / "out.obj", kOldOutput);
  }

  std::string Fill(std::string text) const {
    const std::pair<std::string, std::string> fills[] = {{"{plugin}", ModuleFile("Blendforge")},
                                                         {"{sample}", PatchModelPath()},
                                                         {"{dir}", folder.path().string()},
                                                         {"{module}", BLENDFORGE_MODULE_SUFFIX}};
    for (const auto& [from, to] : fills)
      for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at))
        text.replace(at, from.size(), to);
    return text;
  }

  CliResult Run(const std::string& output = "") {
    const std::string input = GetParam().input.empty() ? "" : TempDir::Read(PatchModelPath());
    return RunRefhost(Fill(GetParam().arguments), {input, output, GetParam().prefix});
  }

  // What every failure must do: status 1, one short line naming the flaw,
  // and an existing output left alone.
  void ExpectFailure(const CliResult& result) {
    EXPECT_EQ(result.status, 1) << "a failure must end with exit status 1";
    EXPECT_THAT(result.err, StartsWith(Fill(GetParam().message)));
    EXPECT_EQ(result.err.find('\n'), result.err.size() - 1) << "the message is not one line";
    EXPECT_EQ(result.err.find('\x1b'), std::string::npos) << "a control character got through";
    EXPECT_LT(result.err.size(), kLongestClearMessage) << "the message buries the flaw in text";
    EXPECT_EQ(TempDir::Read(folder / "out.obj"), kOldOutput) << "the existing output was damaged";
  }

  TempDir folder;
};

#define HOSTILE_TABLE(suite, ...)            \
  class suite : public CliHostileUseTest {}; \
  INSTANTIATE_TEST_SUITE_P(Cases, suite, ::testing::Values(__VA_ARGS__), CaseName)

HOSTILE_TABLE(CliPluginFileTest,
              HostileCase{"CutInTheSegments", "info {dir}/cut-30000{module}",
                          "refhost: {dir}/cut-30000{module}: truncated: "},
              HostileCase{"CutInTheHalf", "info {dir}/cut-half{module}",
                          "refhost: {dir}/cut-half{module}: truncated: "},
              HostileCase{"CutInTheHeaders", "run {dir}/cut-600{module} {sample} -o {dir}/out.obj",
                          "refhost: {dir}/cut-600{module}: truncated: "},
              HostileCase{"Fifo", "info {dir}/fifo.so",
                          "refhost: {dir}/fifo.so: not a regular file, so not a plug-in module",
                          true},
              HostileCase{"Folder", "info {dir}", "refhost: {dir}: not a regular file"});

// The loader would map the missing parts of a cut module, and wait forever
// for a FIFO's writer.
TEST_P(CliPluginFileTest, IsRefusedBeforeLoading) {
  const std::string module = TempDir::Read(ModuleFile("Blendforge"));
  const std::pair<const char*, std::size_t> cuts[] = {
      {"600", 600}, {"30000", 30000}, {"half", module.size() / 2}};
  for (const auto& [name, size] : cuts)
    TempDir::Write(folder / ("cut-" + std::string(name) + BLENDFORGE_MODULE_SUFFIX),
                   module.substr(0, size));
  if (kPosixShell) {
    ASSERT_EQ(std::system(("mkfifo " + ShellWord((folder / "fifo.so").string())).c_str()), 0);
  }
  ExpectFailure(Run());
}

HOSTILE_TABLE(CliSpinRangeTest,
              HostileCase{
                  "BeyondADouble", "run {plugin} {sample} --spin 1=1e400 -o {dir}/out.obj",
                  "refhost: --spin 1=1e400: out of range: spin box 1 takes a number from -200 to "
                  "200"},
              HostileCase{
                  "BeyondTheBox", "run {plugin} {sample} --spin 2=200.5 -o {dir}/out.obj",
                  "refhost: --spin 2=200.5: out of range: spin box 2 takes a number from -200 to "
                  "200"},
              HostileCase{"Infinite", "run {plugin} {sample} --spin 1=-inf -o {dir}/out.obj",
                          "refhost: --spin 1=-inf: out of range: spin box 1 takes"},
              HostileCase{"NotANumber", "run {plugin} {sample} --spin 1=nan -o {dir}/out.obj",
                          "refhost: --spin 1=nan: 'nan' is not a number"});

TEST_P(CliSpinRangeTest, IsRefusedNamingTheSpinBox) { ExpectFailure(Run()); }

HOSTILE_TABLE(CliNonFiniteResultTest,
              HostileCase{
                  "OverflowUp", "run {plugin} {dir}/up.obj --spin 1=200 -o {dir}/out.obj",
                  "refhost: Blendforge: the result holds a position that is not a finite number: "
                  "object 'elem:new-body', vertex 2 is (inf, 0, 0); no file was written"},
              HostileCase{
                  "OverflowDown", "run {plugin} {dir}/down.obj --spin 1=200 -o {dir}/out.obj",
                  "refhost: Blendforge: the result holds a position that is not a finite number: "
                  "object 'elem:new-body', vertex 2 is (-inf, 0, 0)"});

// A blend at 200% from -3e38 towards 3e38 overflows a float.
TEST_P(CliNonFiniteResultTest, IsRefusedAndNothingWritten) {
  const char* const models[][3] = {{"up.obj", "-3e38", "3e38"}, {"down.obj", "3e38", "-3e38"}};
  for (const auto& [file, base, target] : models)
    TempDir::Write(folder / file, std::string("o body\nv 0 0 0\nv ") + base +
                                      " 0 0\nv 0 1 0\nf 1 2 3\no elem:far-body\nv 0 0 0\nv " +
                                      target + " 0 0\nv 0 1 0\nf 4 5 6\n");
  ExpectFailure(Run());
}

HOSTILE_TABLE(CliOutOfMemoryTest,
              HostileCase{"WhileReading", "run {plugin} {dir}/vertices.obj -o {dir}/out.obj",
                          "refhost: {dir}/vertices.obj: out of memory while reading the model",
                          true, "", "ulimit -v 75000; "},
              HostileCase{"InsideThePlugIn", "run {plugin} {dir}/vertices.obj -o {dir}/out.obj",
                          "refhost: {dir}/vertices.obj: out of memory while running 'Blendforge'",
                          true, "", "ulimit -v 110000; "});

// The base's four million vertices take about 95 MB of address space to read
// (their arrays grow), and the plug-in has the host copy them, 48 MB, beside
// the 64 MB the base keeps; the limits (in KB) fall before and between. The
// target is small, so the copy is the plug-in's one large need. A change in
// how much the document holds per vertex moves both.
TEST_P(CliOutOfMemoryTest, IsAnErrorNamingTheWorkAndTheFile) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer cannot run under a memory limit";
#endif
  std::string model = "o body\n";
  for (int vertex = 0; vertex < 1 << 22; ++vertex) model += "v 0 0 0\n";
  TempDir::Write(folder / "vertices.obj",
                 model + "f 1 2 3\no elem:up-body\nv 0 0 1\nv 1 0 0\nv 0 1 0\n");
  ExpectFailure(Run());
}

// Endless streams, handed to refhost's stdin by a shell inside the prefix.
HOSTILE_TABLE(CliEndlessInputTest,
              HostileCase{"ZeroDevice", "run {plugin} /dev/zero -o {dir}/out.obj",
                          "refhost: /dev/zero:1: not a text file: holds a NUL byte", true},
              HostileCase{"ZerosOnStdin", "run {plugin} - -o {dir}/out.obj",
                          "refhost: stdin:1: not a text file: holds a NUL byte", true, "",
                          "sh -c 'exec \"$0\" \"$@\" </dev/zero' "},
              HostileCase{"EndlessLineOnStdin", "run {plugin} - -o {dir}/out.obj",
                          "refhost: stdin:1: line is longer than 16 MiB, too long for a model",
                          true, "", "sh -c 'tr \"\\000\" v </dev/zero | \"$0\" \"$@\"' "});

// Before the bound, the memory filled up to the point of failing.
TEST_P(CliEndlessInputTest, EndsEarlyNamingTheLine) { ExpectFailure(Run()); }

HOSTILE_TABLE(CliFullOutputTest,
              HostileCase{"InfoReport", "info {plugin}", "refhost: stdout: cannot write: No space",
                          true},
              HostileCase{"RunReport", "run {plugin} {sample} -o {dir}/new.obj",
                          "refhost: stdout: cannot write: No space", true},
              HostileCase{"DocumentToStdout", "run {plugin} - -o -",
                          "refhost: stdout: cannot write: No space", true, "{sample}"});

TEST_P(CliFullOutputTest, IsAnError) { ExpectFailure(Run("/dev/full")); }

HOSTILE_TABLE(CliModelStreamTest,
              HostileCase{"DeviceWithoutOutput", "run {plugin} /dev/null",
                          "refhost: /dev/null: not a regular file, so the result needs -o OUT",
                          true},
              HostileCase{"StdinWithoutOutput", "run {plugin} -",
                          "refhost: -: not a regular file, so the result needs -o OUT", false,
                          "{sample}"},
              HostileCase{"FolderWithoutOutput", "run {plugin} {dir}",
                          "refhost: {dir}: not a regular file, so the result needs -o OUT"},
              HostileCase{"FlawOnStdin", "run {plugin} - -o {dir}/out.obj",
                          "refhost: stdin: holds no object"});

TEST_P(CliModelStreamTest, NeedsAnOutputAndIsNamed) { ExpectFailure(Run()); }

HOSTILE_TABLE(CliEmptyValueTest,
              HostileCase{"Output", "run {plugin} {sample} -o \"\"",
                          "refhost: --output: empty value"},
              HostileCase{"Object", "run {plugin} {sample} --object \"\" -o {dir}/out.obj",
                          "refhost: --object: empty value"},
              HostileCase{"Press", "run {plugin} {sample} --press \"\" -o {dir}/out.obj",
                          "refhost: --press: empty value"},
              HostileCase{"Command", "run {plugin} {sample} --command \"\" -o {dir}/out.obj",
                          "refhost: --command: empty value"});

TEST_P(CliEmptyValueTest, IsAnError) { ExpectFailure(Run()); }

HOSTILE_TABLE(CliRepeatedAnswerTest,
              HostileCase{
                  "List",
                  "run {plugin} {sample} --list 1=elem:smile-body --list 1=hat -o {dir}/out.obj",
                  "refhost: --list 1=hat: list box 1 is answered twice (first --list "
                  "1=elem:smile-body)"},
              HostileCase{"Spin", "run {plugin} {sample} --spin 2=5 --spin 2=6 -o {dir}/out.obj",
                          "refhost: --spin 2=6: spin box 2 is answered twice (first --spin 2=5)"},
              HostileCase{"Edit", "run {plugin} {sample} --edit 2=a --edit 2=b -o {dir}/out.obj",
                          "refhost: --edit 2=b: edit box 2 is answered twice (first --edit 2=a)"});

TEST_P(CliRepeatedAnswerTest, IsAnError) { ExpectFailure(Run()); }

const std::string kLongName(5000, 'n');

HOSTILE_TABLE(
    CliMessageTest,
    HostileCase{"EscapeInAFileName", "run {plugin} '{dir}/\x1b[2J.obj' -o {dir}/out.obj",
                "refhost: {dir}/\\e[2J.obj: cannot open: ", true},
    HostileCase{"NewlineInAFileName", "run {plugin} '{dir}/two\nlines.obj' -o {dir}/out.obj",
                "refhost: {dir}/two\\nlines.obj: cannot open: ", true},
    HostileCase{"EscapeInAnOption", "run {plugin} {sample} --object '\x1b[2J' -o {dir}/out.obj",
                "refhost: {sample}: no object named '\\e[2J' (it has 'body', ", true},
    HostileCase{"LongListItem", "run {plugin} {sample} --list 1=" + kLongName + " -o {dir}/out.obj",
                "refhost: --list 1=" + kLongName.substr(0, 40) + "...: list box 1 has no item \"" +
                    kLongName.substr(0, 40) + "...\""},
    HostileCase{"UnknownOption", "run {plugin} {sample} --bogus",
                "refhost: The following argument was not expected: --bogus (see --help)"});

TEST_P(CliMessageTest, IsOneEscapedShortLine) { ExpectFailure(Run()); }

// "-" is stdin for the model and stdout for the output.
TEST(CliStandardStreamTest, ModelFromStdinGoesToStdout) {
  const CliResult result = RunRefhost("run " + ModuleFile("Blendforge") + " - -o -",
                                      {TempDir::Read(PatchModelPath()), "", ""});
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_THAT(result.out, HasSubstr("\no body\n")) << "the document did not go to stdout";
  EXPECT_THAT(result.out, HasSubstr("\no elem:new-body\n")) << "the merge is missing from stdout";
  EXPECT_THAT(result.err, HasSubstr("Wrote the document (7 objects) to stdout."))
      << "the report must leave stdout to the document";
}

}  // namespace
