#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "refhost/files/WholeFile.h"
#include "refhost/text/ModelFileError.h"
#include "refhost/text/TextLines.h"
#include "tests/support/TempDir.h"

namespace {

// Lines of every length from empty to a few hundred bytes, enough of them to
// span several of the reader's blocks, so that lines straddle their seams.
std::string ManyLines(const std::string& lineEnd) {
  std::string text(refhost::kByteOrderMark);
  for (int line = 0; text.size() < (std::size_t{5} << 20) / 2; ++line)
    text +=
        "# " +
        std::string(static_cast<std::size_t>(line * 37 % 300), static_cast<char>('a' + line % 26)) +
        (line % 7 == 3 ? "\r" : "") + lineEnd;
  return text + "last line without an end";
}

// Each line as content and end, joined by '|'.
std::vector<std::string> Split(refhost::TextLines& lines) {
  std::vector<std::string> split;
  refhost::TextLine line;
  while (lines.Next(line)) split.push_back(std::string(line.content) + "|" + std::string(line.end));
  return split;
}

class StreamedTextLinesTest : public ::testing::TestWithParam<const char*> {
 protected:
  // The lines of `text` as read from a file.
  std::vector<std::string> Streamed(const std::string& text) {
    TempDir::Write(folder / "text", text);
    const refhost::OpenedFile file = refhost::OpenForReading(folder / "text");
    refhost::TextLines lines(file.get(), "text");
    EXPECT_EQ(lines.lineEnd(), GetParam()) << "the line end is the text's";
    EXPECT_EQ(lines.byteOrderMark(), refhost::kByteOrderMark);
    std::vector<std::string> split = Split(lines);
    EXPECT_EQ(lines.offset(), text.size()) << "every byte is handed out";
    return split;
  }

  TempDir folder;
};

TEST_P(StreamedTextLinesTest, FileSplitsAsTheWholeText) {
  const std::string text = ManyLines(GetParam());
  refhost::TextLines whole(text, "text");
  const std::vector<std::string> expected = Split(whole);
  std::string joined(refhost::kByteOrderMark);
  for (const std::string& line : expected)
    joined += line.substr(0, line.find('|')) + line.substr(line.find('|') + 1);
  ASSERT_EQ(joined, text) << "the lines and their ends are the text";
  EXPECT_EQ(Streamed(text), expected) << "reading in blocks split a line differently";
}

INSTANTIATE_TEST_SUITE_P(LineEnds, StreamedTextLinesTest, ::testing::Values("\n", "\r\n", "\r"));

struct LateFlaw {
  const char* name;
  std::string tail;  // after 100,000 lines of 30 bytes
  const char* message;
};

class LateFlawTest : public ::testing::TestWithParam<LateFlaw> {};

// A flaw far past the first block names its own line.
TEST_P(LateFlawTest, NamesTheLineOfTheFlaw) {
  TempDir folder;
  std::string text;
  for (int line = 0; line < 100000; ++line) text += "v 0.125 0.25 0.375 # padding\n";
  TempDir::Write(folder / "late.obj", text + GetParam().tail);
  const refhost::OpenedFile file = refhost::OpenForReading(folder / "late.obj");
  try {
    refhost::TextLines lines(file.get(), "late.obj");
    Split(lines);
    FAIL() << "the flaw went unnoticed";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Flaws, LateFlawTest,
    ::testing::Values(LateFlaw{"NulByte", std::string("v 1\nv 2 \0\n", 10),
                               "late.obj:100002: not a text file: holds a NUL byte"},
                      LateFlaw{"EndlessLine", "v 1\n" + std::string((17 << 20), 'v'),
                               "late.obj:100002: line is longer than 16 MiB, too long for a model"},
                      LateFlaw{
                          "LongLine", "v 1\n" + std::string((16 << 20) + 1, 'v') + "\nv\n",
                          "late.obj:100002: line is longer than 16 MiB, too long for a model"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
