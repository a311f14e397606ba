#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/CliRunner.h"
#include "tests/support/PluginModule.h"

namespace {

const std::string kMerge =
    "--list 1=elem:smile-body --list 2=elem:blink-body --spin 1=50 --spin 2=150 --press OK";

// A phase line: the phase's name, its wall time in seconds, and what it handled.
const std::regex kReadLine(R"(read \d+\.\d{3} s \(\d+\.\d MB, \d+ objects\))");
const std::regex kCommandLine(R"(command \d+\.\d{3} s)");
const std::regex kWriteLine(R"(write \d+\.\d{3} s \(\d+\.\d MB\))");
const std::regex kPreviewLine(R"(preview \d+\.\d{3} s)");
// The sample's targets have no normals of their own to mix, which the writer
// notes.
const std::regex kNormalsNote(R"(Object '.+' keeps the normals of 'body': .+\.)");

struct PhaseCase {
  std::string options;
  std::vector<const std::regex*> lines;  // what stderr holds, line by line
};

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

TEST(CliPhaseTimesTest, VerboseRunsPrintOneLinePerPhaseToStderr) {
  TempDir folder;
  const std::string preview = " --preview " + ShellWord((folder / "preview.png").string());
  const PhaseCase cases[] = {
      {"", {}},
      {preview, {}},
      {"--verbose", {&kReadLine, &kCommandLine, &kNormalsNote, &kWriteLine}},
      {"--verbose" + preview,
       {&kReadLine, &kCommandLine, &kNormalsNote, &kWriteLine, &kPreviewLine}},
  };
  for (const PhaseCase& phases : cases) {
    const CliResult result = RunRefhost(
        "run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(PatchModelPath()) + " -o " +
        ShellWord((folder / "merged.obj").string()) + " " + kMerge + " " + phases.options);
    ASSERT_EQ(result.status, 0) << phases.options << "\n" << result.err;
    const std::vector<std::string> lines = LinesOf(result.err);
    ASSERT_EQ(lines.size(), phases.lines.size()) << phases.options << "\n" << result.err;
    for (std::size_t at = 0; at < lines.size(); ++at)
      EXPECT_TRUE(std::regex_match(lines[at], *phases.lines[at])) << lines[at];
  }
}

}  // namespace
