#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "refhost/files/AtomicFile.h"
#include "refhost/files/RemovedOnSignal.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

#ifdef __linux__
constexpr bool kUnnamedScratch = true;
#else
constexpr bool kUnnamedScratch = false;
#endif
#ifdef _WIN32
constexpr bool kPosixModes = false;
#else
constexpr bool kPosixModes = true;
#endif

std::size_t FilesIn(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

struct Replacement {
  const char* name;
  std::size_t nameLength;  // of the target's file name
  fs::perms oldMode;       // none: no file to replace
};

class AtomicFileTest : public ::testing::TestWithParam<Replacement> {
 protected:
  TempDir folder;
};

TEST_P(AtomicFileTest, ReplacesKeepingTheModeAndLeavesNoScratchFile) {
  const fs::path target = folder / std::string(GetParam().nameLength, 'n');
  const bool replacing = GetParam().oldMode != fs::perms::none;
  if (replacing) {
    TempDir::Write(target, "old");
    fs::permissions(target, GetParam().oldMode);
  }
  {
    refhost::AtomicFile file(target);
    file.Write("new");
    if (kUnnamedScratch) {
      EXPECT_EQ(FilesIn(folder.path()), replacing ? 1u : 0u)
          << "the scratch file must have no name while it is written, so that SIGKILL leaves "
             "nothing";
    }
    file.Commit();
  }
  EXPECT_EQ(TempDir::Read(target), "new");
  EXPECT_EQ(FilesIn(folder.path()), 1u) << "a scratch file was left beside the target";
  if (replacing && kPosixModes) {
    EXPECT_EQ(fs::status(target).permissions(), GetParam().oldMode)
        << "replacing a file must keep its mode";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AtomicFileTest,
    ::testing::Values(Replacement{"OwnerOnly", 8, fs::perms::owner_read | fs::perms::owner_write},
                      Replacement{
                          "GroupReadable", 8,
                          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read},
                      Replacement{"LongestName", 255, fs::perms::none}),
    [](const ::testing::TestParamInfo<Replacement>& info) { return info.param.name; });

TEST(AtomicFileFailureTest, LeavesTheOldFileAndNoScratchFile) {
  TempDir folder;
  const fs::path target = folder / "out.obj";
  TempDir::Write(target, "old");
  {
    refhost::AtomicFile file(target);
    file.Write("half");
  }
  EXPECT_EQ(TempDir::Read(target), "old") << "an uncommitted write reached the target";
  EXPECT_EQ(FilesIn(folder.path()), 1u) << "an abandoned scratch file was left behind";
}

class RemovedOnSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(RemovedOnSignalTest, RemovesTheFileThenEndsAsTheSignalWould) {
  // Named the same in the death test's child, which Windows starts afresh.
  const fs::path scratch =
      fs::temp_directory_path() / (".refhost-signal-" + std::to_string(GetParam()));
  TempDir::Write(scratch, "part");
  EXPECT_EXIT(
      {
        refhost::RemovedOnSignal removal(scratch.string());
        std::raise(GetParam());
      },
      [](int) { return true; }, "");
  EXPECT_FALSE(fs::remove(scratch)) << "an interrupted write left its scratch file";
}

INSTANTIATE_TEST_SUITE_P(Signals, RemovedOnSignalTest,
                         ::testing::ValuesIn(refhost::InterruptingSignals()));

}  // namespace
