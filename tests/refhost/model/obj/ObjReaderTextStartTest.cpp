#include <gtest/gtest.h>

#include <string>

#include "refhost/model/obj/ObjReaderTextStart.h"

namespace {

struct FileStart {
  std::string bytes;
  bool isObj;
  const char* why;
};

TEST(ObjReaderTextStartTest, OnlyTextWhoseFirstStatementIsObjsReadsAsObj) {
  const FileStart starts[] = {
      {"o body\nv 0 0 0\n", true, "an object line"},
      {"v 1 2 3\n", true, "a vertex without an object"},
      {"# exported\r\nmtllib a.mtl\r\n", true, "a comment, CRLF line ends"},
      {"#no space after the mark\n", true, "a comment without a blank"},
      {"\xEF\xBB\xBF\n\n  \tusemtl skin\n", true, "byte order mark and blank lines first"},
      {"cstype bspline\n", true, "a free-form statement"},
      {"", true, "no text at all: a model of no objects"},
      {" \n\t\n", true, "blank lines alone"},
      {"Shopping list\nv 1 2 3\n", false, "a first word that is no keyword"},
      {"vertex 1 2 3\n", false, "a keyword's prefix"},
      {std::string("o body\nv 0 0 0\n\0\0", 16), false, "a NUL byte"},
      {"\x89PNG\r\n\x1a\n", false, "an image"},
      {"{\"asset\": {}}", false, "JSON"}};
  for (const FileStart& start : starts)
    EXPECT_EQ(refhost::StartsAsObjText(start.bytes), start.isObj) << start.why;
}

}  // namespace
