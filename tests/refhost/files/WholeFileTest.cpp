#include <gtest/gtest.h>

#include <string>

#include "refhost/files/WholeFile.h"
#include "refhost/text/ModelFileError.h"
#include "tests/support/TempDir.h"

namespace {

// A reader that takes a file in parts reads each part where the last ended,
// and a file that ends early is an error naming it, never bytes made up.
TEST(WholeFileTest, PartsFollowEachOtherAndAnEarlyEndIsAnError) {
  TempDir folder;
  const std::string path = (folder / "parts.bin").string();
  TempDir::Write(path, "head|body");
  const refhost::OpenedFile file = refhost::OpenForReading(path);
  EXPECT_EQ(refhost::ReadHead(file.get(), 5, path), "head|");
  char body[4];
  refhost::ReadExactly(file.get(), body, sizeof body, path);
  EXPECT_EQ(std::string(body, sizeof body), "body");
  EXPECT_EQ(refhost::ReadHead(file.get(), 8, path), "") << "a head is cut short at the end";
  try {
    refhost::ReadExactly(file.get(), body, 1, path);
    ADD_FAILURE() << "read past the end";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(std::string(error.what()), path + ": ends early; was it cut off while being read?");
  }
}

}  // namespace
