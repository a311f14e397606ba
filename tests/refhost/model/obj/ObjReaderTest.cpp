#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "refhost/model/obj/ObjReader.h"
#include "refhost/model/obj/ObjWriter.h"
#include "refhost/text/ModelFileError.h"
#include "refhost/text/TextCheck.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ObjectDump.h"
#include "tests/support/TempDir.h"

namespace {

class ObjReaderTest : public HostTest {
 protected:
  refhost::Document& Parse(const std::string& text) {
    refhost::Document& document = referenceHost().NewDocument();
    refhost::ParseObj(text, "model.obj", "model", document);
    return document;
  }

  std::vector<int> FaceVertices(const refhost::Document& document, int object, int face) {
    std::vector<int> vertices;
    for (refhost::Corner corner : document.ObjectAt(object)->faces().CornersOf(face))
      vertices.push_back(corner.vertex);
    return vertices;
  }
};

TEST_F(ObjReaderTest, EachObjectStatementStartsAnObjectWithTheVerticesAfterIt) {
  refhost::Document& document = Parse(
      "o body\nv 1 2 3\nv 4 5 6\n"
      "o elem:smile-body\nv 7 8 9\n");
  ASSERT_EQ(document.ObjectCount(), 2) << "one object per 'o' line";
  EXPECT_EQ(document.ObjectAt(0)->name(), "body");
  EXPECT_EQ(document.ObjectAt(1)->name(), "elem:smile-body");
  EXPECT_EQ(document.ObjectAt(0)->VertexCount(), 2) << "vertices belong to the object before them";
  EXPECT_EQ(document.ObjectAt(1)->VertexCount(), 1);
  EXPECT_EQ(BitsOf(document.ObjectAt(0)->Vertex(1)), BitsOf(MQPoint{4, 5, 6}))
      << "vertices keep their file order";
}

TEST_F(ObjReaderTest, NumbersAreReadExactly) {
  refhost::Document& document = Parse("o a\nv 0.1 -0 1e-45\nv +2.5 3.4028235e38 -1.17549435e-38\n");
  const refhost::Object& object = *document.ObjectAt(0);
  EXPECT_EQ(BitsOf(object.Vertex(0).x), 0x3DCCCCCDu) << "0.1 must round to the nearest float";
  EXPECT_EQ(BitsOf(object.Vertex(0).y), 0x80000000u) << "the sign of -0 must survive";
  EXPECT_EQ(BitsOf(object.Vertex(0).z), 0x00000001u) << "the smallest denormal must survive";
  EXPECT_EQ(BitsOf(object.Vertex(1).x), BitsOf(2.5f)) << "a leading + is allowed";
  EXPECT_EQ(BitsOf(object.Vertex(1).y), 0x7F7FFFFFu) << "the largest float must survive";
  EXPECT_EQ(BitsOf(object.Vertex(1).z), 0x80800000u);
}

TEST_F(ObjReaderTest, VerticesBeforeAnyObjectFormAnObjectNamedAfterTheFile) {
  TempDir folder;
  TempDir::Write(folder / "head.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\no hat\nv 0 0 1\n");
  refhost::Document& document = referenceHost().NewDocument();
  refhost::ReadObjFile(folder / "head.obj", document);
  ASSERT_EQ(document.ObjectCount(), 2);
  EXPECT_EQ(document.ObjectAt(0)->name(), "head") << "the default object takes the file's stem";
  EXPECT_EQ(document.ObjectAt(0)->VertexCount(), 3);
  EXPECT_EQ(document.ObjectAt(1)->name(), "hat");
}

// Runs of kept lines, comments ending runs and CRLF line ends, in a file of
// several of the reader's blocks.
TEST_F(ObjReaderTest, FileReadInBlocksKeepsWhatTheWholeTextKeeps) {
  std::string text = "mtllib a.mtl\r\n";
  for (int object = 0; text.size() < (std::size_t{3} << 20); ++object) {
    text += "o part" + std::to_string(object) + "\r\n# three vertices\r\n\r\n";
    for (int vertex = 0; vertex < 3; ++vertex)
      text += "v " + std::to_string(object) + " " + std::to_string(vertex) + " 0.5\r\nvt 0 1\r\n";
    const std::string first = std::to_string(3 * object + 1);
    const std::string last = std::to_string(3 * object + 3);
    text += "usemtl m" + std::to_string(object % 3) + "\r\nf " + first + "/" + first + " " + last +
            "/" + last + " " + first + "/" + last + " # face\r\nl " + last + " " + first + "\r\n";
  }
  TempDir folder;
  TempDir::Write(folder / "blocks.obj", text);
  refhost::Document& streamed = referenceHost().NewDocument();
  const refhost::ObjFile file = refhost::ReadObjFile(folder / "blocks.obj", streamed);
  refhost::Document& whole = referenceHost().NewDocument();
  const refhost::ObjFile parsed =
      refhost::ParseObj(text, (folder / "blocks.obj").string(), "blocks", whole);
  EXPECT_TRUE(DumpDocument(streamed) == DumpDocument(whole)) << "the models differ";
  EXPECT_TRUE(file.keptText == parsed.keptText)
      << "a line was kept differently across a block's end";
  std::string written;
  refhost::WriteObj(streamed, file, folder / "out.obj",
                    [&](std::string_view bytes) { written += bytes; });
  EXPECT_TRUE(written == text) << "the file did not come back byte for byte";
}

class RecordedProgress : public refhost::Progress {
 public:
  void Advance(std::uint64_t done, std::uint64_t total) override {
    EXPECT_LE(done, total) << "progress went past its total";
    EXPECT_GT(done, reports.empty() ? 0 : reports.back()) << "progress went back";
    reports.push_back(done);
    lastTotal = total;
  }
  std::vector<std::uint64_t> reports;
  std::uint64_t lastTotal = 0;
};

TEST_F(ObjReaderTest, LongReadReportsItsProgressAgainstTheFileSize) {
  std::string text = "o grid\n";
  while (text.size() < (std::size_t{20} << 20)) text += "v 0.125 0.25 0.375\n";
  TempDir folder;
  TempDir::Write(folder / "long.obj", text);
  RecordedProgress progress;
  refhost::ReadObjFile(folder / "long.obj", referenceHost().NewDocument(), &progress);
  EXPECT_GE(progress.reports.size(), 2u) << "a 20 MB read reported its progress too seldom";
  EXPECT_EQ(progress.lastTotal, text.size());
}

struct CornerCase {
  const char* face;
  std::vector<int> textureCoords;  // per corner, -1 for none
  std::vector<int> normals;
};

void PrintTo(const CornerCase& corner, std::ostream* out) { *out << corner.face; }

class ObjFaceCornerTest : public ObjReaderTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(ObjFaceCornerTest, EveryCornerFormNamesTheSameVertices) {
  refhost::Document& document =
      Parse("o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\nvn 0 1 0\n" +
            std::string(GetParam().face) + "\n");
  std::vector<int> textureCoords;
  std::vector<int> normals;
  for (refhost::Corner corner : document.ObjectAt(0)->faces().CornersOf(0)) {
    textureCoords.push_back(corner.texture);
    normals.push_back(corner.normal);
  }
  EXPECT_EQ(FaceVertices(document, 0, 0), (std::vector<int>{0, 1, 2})) << GetParam().face;
  EXPECT_EQ(textureCoords, GetParam().textureCoords)
      << GetParam().face << ": texture coordinate references must be kept";
  EXPECT_EQ(normals, GetParam().normals) << GetParam().face << ": normal references must be kept";
}

const std::vector<int> kNone = {-1, -1, -1};

INSTANTIATE_TEST_SUITE_P(
    Forms, ObjFaceCornerTest,
    ::testing::Values(CornerCase{"f 1 2 3", kNone, kNone},
                      CornerCase{"f 1/3 2/2 3/1", {2, 1, 0}, kNone},
                      CornerCase{"f 1/1/1 2/2/1 3/3/2", {0, 1, 2}, {0, 0, 1}},
                      CornerCase{"f 1//1 2//2 3//1", kNone, {0, 1, 0}},
                      CornerCase{"f -3 -2 -1", kNone, kNone},
                      CornerCase{"f -3/-3/-1 -2/-2/-2 -1/-1/-1", {0, 1, 2}, {1, 0, 1}},
                      CornerCase{"f\t1  2 3 # trailing comment", kNone, kNone},
                      CornerCase{"f 0000000000000000000001 2 3", kNone, kNone}));

TEST_F(ObjReaderTest, FacesUseFileWideNumbersMappedToTheirObject) {
  refhost::Document& document = Parse(
      "o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"
      "o b\nv 0 0 1\nv 1 0 1\nv 0 1 1\nv 1 1 1\nf 4 5 6 7\nf -1 -2 -3\n");
  EXPECT_EQ(FaceVertices(document, 1, 0), (std::vector<int>{0, 1, 2, 3}))
      << "vertex 4 of the file is the second object's first vertex";
  EXPECT_EQ(FaceVertices(document, 1, 1), (std::vector<int>{3, 2, 1}))
      << "-1 is the last vertex defined before the face";
}

TEST_F(ObjReaderTest, ReferenceCountsFollowTheFaces) {
  refhost::Document& document =
      Parse("o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nv 5 5 5\nf 1 2 3\nf 2 4 3\n");
  const refhost::Object& object = *document.ObjectAt(0);
  EXPECT_EQ(object.RefCount(0), 1);
  EXPECT_EQ(object.RefCount(1), 2) << "a vertex shared by two faces is used twice";
  EXPECT_EQ(object.RefCount(3), 1);
  EXPECT_EQ(object.RefCount(4), 0) << "a vertex no face uses has reference count 0";
}

TEST_F(ObjReaderTest, TextureCoordinatesAndNormalsAreNumberedFileWide) {
  refhost::Document& document = Parse(
      "vt 0.25 0.75\nvn 0 0 1\no a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 1\nf 1/2 2/2 3/1\n"
      "o b\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 4/1/1 5/2/1 6/1/1\n");
  ASSERT_EQ(document.ObjectCount(), 2) << "texture coordinates and normals start no object";
  EXPECT_EQ(DumpObject(document, *document.ObjectAt(1)).elements,
            (std::vector<std::string>{"f 0/0/0 1/1/0 2/0/0 | usemtl - | g - | s 0"}))
      << "a face may use any texture coordinate or normal defined before it";
}

TEST_F(ObjReaderTest, ElementsTakeTheStyleInEffectAndLinesAndPointsAreKept) {
  refhost::Document& document = Parse(
      "o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0\nf 1 2 3\nusemtl skin # the face\ns 2\n"
      "g head neck\nf 2 4 3\nl 1 2 4\ng\ns off\np 4 1\n");
  EXPECT_EQ(DumpObject(document, *document.ObjectAt(0)).elements,
            (std::vector<std::string>{"f 0/-1/-1 1/-1/-1 2/-1/-1 | usemtl - | g - | s 0",
                                      "f 1/-1/-1 3/-1/-1 2/-1/-1 | usemtl skin | g head neck | s 2",
                                      "l 0/-1/-1 1/-1/-1 3/-1/-1 | usemtl skin | g head neck | s 2",
                                      "p 3/-1/-1 0/-1/-1 | usemtl skin | g - | s 0"}))
      << "each element must keep its corners and the material, group and smoothing before it";
}

TEST_F(ObjReaderTest, NumbersAfterThePositionAreKeptWithTheVertex) {
  refhost::Document& document = Parse("o a\nv 0 0 0 0.5 0.25 1\nv 0 0 0\nv 0 0 0 2\n");
  EXPECT_EQ(DumpObject(document, *document.ObjectAt(0)).extras,
            (std::vector<std::string>{
                " " + FloatBits(0.5f) + " " + FloatBits(0.25f) + " " + FloatBits(1.0f), "",
                " " + FloatBits(2.0f)}))
      << "a colour or weight must stay with its own vertex";
}

struct BadInput {
  const char* text;
  const char* message;
};

void PrintTo(const BadInput& input, std::ostream* out) {
  *out << ::testing::PrintToString(input.text);
}

class ObjBadInputTest : public ObjReaderTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(ObjBadInputTest, IsRefusedNamingFileLineAndFlaw) {
  try {
    Parse(GetParam().text);
    FAIL() << "accepted: " << GetParam().text;
  } catch (const refhost::ModelFileError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

std::string ThirtySixVertices() {
  std::string text = "o body\n";
  for (int index = 0; index < 36; ++index) text += "v 0 0 0\n";
  return text;
}

const std::string kThirtySixVerticesAndBadFace = ThirtySixVertices() + "f 1 2 40\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjBadInputTest,
    ::testing::Values(
        BadInput{kThirtySixVerticesAndBadFace.c_str(),
                 "model.obj:38: face refers to vertex 40, but only 36 vertices are defined"},
        BadInput{"o a\nv 1 x 3\n", "model.obj:2: malformed number 'x'"},
        BadInput{"v 1 2 3.5.1\n", "model.obj:1: malformed number '3.5.1'"},
        BadInput{"v 1 2 3 w\n", "model.obj:1: malformed number 'w'"},
        BadInput{"v 1e39 0 0\n",
                 "model.obj:1: number '1e39' is outside the range of a 32-bit float"},
        BadInput{"o a\n\nv 1 2\n", "model.obj:3: vertex needs 3 numbers"},
        BadInput{"vt\n", "model.obj:1: texture coordinate needs 1 number"},
        BadInput{"v 0 0 0\nf 0 1 1\n",
                 "model.obj:2: face refers to vertex 0, but OBJ counts from 1"},
        BadInput{"v 0 0 0\nv 0 0 0\nv 0 0 0\nf -4 -1 -2\n",
                 "model.obj:4: face refers to vertex -4, but only 3 vertices are defined"},
        BadInput{"v 0 0 0\nf 1 1 2\n",
                 "model.obj:2: face refers to vertex 2, but only 1 vertex is defined"},
        BadInput{"v 0 0 0\nv 0 0 0\nf 1 2\n",
                 "model.obj:3: face has 2 corners, but a face needs at least 3"},
        BadInput{"v 0 0 0\nf\n", "model.obj:2: face has 0 corners, but a face needs at least 3"},
        BadInput{"v 0 0 0\nvt 0 0\nf 1/1 1/1 1\n",
                 "model.obj:3: face gives texture coordinates for some corners but not for all"},
        BadInput{"v 0 0 0\nf 1/ 1 1\n", "model.obj:2: malformed face corner '1/'"},
        BadInput{"v 0 0 0\nf 1/1/1/1 1 1\n", "model.obj:2: malformed face corner '1/1/1/1'"},
        BadInput{"v 0 0 0\nf a 1 1\n", "model.obj:2: malformed face corner 'a'"},
        BadInput{"v 0 0 0\nvt 0 0\nf 1/2 1/1 1/1\n",
                 "model.obj:3: face refers to texture coordinate 2, but only 1 texture "
                 "coordinate is defined"},
        BadInput{"o a\nv 0 0 0\no b\nv 0 0 0\nv 0 0 0\nf 1 2 3\n",
                 "model.obj:6: face of object 'b' refers to vertex 1, which belongs to an "
                 "earlier object"},
        BadInput{"v 0 0 0\nf 1//999 1//999 1//999\n",
                 "model.obj:2: face refers to normal 999, but only 0 normals are defined"},
        BadInput{"v 0 0 0\nf 1/9 1/9 1/9\n",
                 "model.obj:2: face refers to texture coordinate 9, but only 0 texture "
                 "coordinates are defined"},
        BadInput{"v 0 0 0\nvn 0 0 1\nf 1//1 1//1 1\n",
                 "model.obj:3: face gives normals for some corners but not for all"},
        BadInput{"v 0 0 0\nl 1 2\n",
                 "model.obj:2: line refers to vertex 2, but only 1 vertex is defined"},
        BadInput{"v 0 0 0\np 1 -2\n",
                 "model.obj:2: point refers to vertex -2, but only 1 vertex is defined"},
        BadInput{"v 0 0 0\nl 1\n", "model.obj:2: line has 1 corner, but a line needs at least 2"},
        BadInput{"v 0 0 0\np\n", "model.obj:2: point has 0 corners, but a point needs at least 1"},
        BadInput{"usemtl # none\n", "model.obj:1: usemtl needs a material name"},
        BadInput{"s smooth\n", "model.obj:1: malformed smoothing group 'smooth'"},
        BadInput{"s\n", "model.obj:1: s needs a smoothing group number or 'off'"},
        BadInput{"vn 0 1\n", "model.obj:1: normal needs 3 numbers"},
        BadInput{"v 1 2 3 4 5 6 7 8\n",
                 "model.obj:1: vertex has more than 7 numbers, more than can be kept"}));

// Numbers and corners are read straight from the line; a word that only
// starts as one is still refused whole.
INSTANTIATE_TEST_SUITE_P(
    WordsThatStartAsNumbers, ObjBadInputTest,
    ::testing::Values(
        BadInput{"v 1 2 3#4\n", "model.obj:1: malformed number '3#4'"},
        BadInput{"v 1.5x 0 0\n", "model.obj:1: malformed number '1.5x'"},
        BadInput{"vt 0.5 0.25/\n", "model.obj:1: malformed number '0.25/'"},
        BadInput{"v 0 0 0\nf 1x 1 1\n", "model.obj:2: malformed face corner '1x'"},
        BadInput{"v 0 0 0\nvt 0 0\nf 1/1 1/1x 1/1\n", "model.obj:3: malformed face corner '1/1x'"},
        BadInput{"v 0 0 0\nvn 0 0 1\nl 1//1 1//1/\n", "model.obj:3: malformed line corner '1//1/'"},
        BadInput{"v 0 0 0\np 1-\n", "model.obj:2: malformed point corner '1-'"}));

INSTANTIATE_TEST_SUITE_P(
    NonFiniteNumbers, ObjBadInputTest,
    ::testing::Values(BadInput{"v inf 0 0\n", "model.obj:1: number 'inf' is not finite"},
                      BadInput{"o a\nv 0 -Infinity 0\n",
                               "model.obj:2: number '-Infinity' is not finite"},
                      BadInput{"v 0 0 +inf\n", "model.obj:1: number '+inf' is not finite"},
                      BadInput{"v 0 0 NaN\n", "model.obj:1: number 'NaN' is not finite"},
                      BadInput{"v 0 0 0 nan(1)\n", "model.obj:1: number 'nan(1)' is not finite"},
                      BadInput{"vt nan\n", "model.obj:1: number 'nan' is not finite"},
                      BadInput{"vn 0 0 -inf\n", "model.obj:1: number '-inf' is not finite"},
                      BadInput{"v 1e99999999999999999999 0 0\n",
                               "model.obj:1: number '1e99999999999999999999' is outside the "
                               "range of a 32-bit float"}));

const std::string kLongLine = "o a\n" + std::string(refhost::kLongestLine + 1, 'a') + "\nv\n";

INSTANTIATE_TEST_SUITE_P(
    LinesAndLineEnds, ObjBadInputTest,
    ::testing::Values(BadInput{kLongLine.c_str(),
                               "model.obj:2: line is longer than 16 MiB, too long for a model"},
                      BadInput{"o a\rv 1 x 3\r", "model.obj:2: malformed number 'x'"},
                      BadInput{"\xEF\xBB\xBFo a\r\nv 1 2\r\n",
                               "model.obj:2: vertex needs 3 numbers"}));

struct TinyNumber {
  const char* word;
  float value;
};

class ObjTinyNumberTest : public ObjReaderTest, public ::testing::WithParamInterface<TinyNumber> {};

// Rounding to zero or to a subnormal is rounding, as for any decimal.
TEST_P(ObjTinyNumberTest, RoundsToTheNearestFloat) {
  const refhost::Document& document = Parse(std::string("v ") + GetParam().word + " 0 0\n");
  const float read = document.ObjectAt(0)->Vertex(0).x;
  EXPECT_EQ(BitsOf(read), BitsOf(GetParam().value)) << read;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjTinyNumberTest,
    ::testing::Values(TinyNumber{"1e-46", 0.0f}, TinyNumber{"-1e-50", -0.0f},
                      TinyNumber{"0.00000000000000000000000000000000000000000000001", 0.0f},
                      TinyNumber{"+1e-99999999999999999999", 0.0f}, TinyNumber{"7.1e-46", 1.4e-45f},
                      TinyNumber{"1e-40", 1e-40f}));

struct LineEndCase {
  const char* text;
  const char* lineEnd;
  const char* byteOrderMark;
};

class ObjLineEndTest : public ObjReaderTest, public ::testing::WithParamInterface<LineEndCase> {};

TEST_P(ObjLineEndTest, ReadsEveryLineAndKeepsHowTheFileEndsThem) {
  refhost::Document& document = referenceHost().NewDocument();
  const refhost::ObjFile file = refhost::ParseObj(GetParam().text, "model.obj", "model", document);
  ASSERT_EQ(document.ObjectCount(), 1);
  EXPECT_EQ(document.ObjectAt(0)->name(), "body");
  EXPECT_EQ(document.ObjectAt(0)->VertexCount(), 2);
  EXPECT_EQ(file.lineEnd, GetParam().lineEnd);
  EXPECT_EQ(file.byteOrderMark, GetParam().byteOrderMark);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjLineEndTest,
    ::testing::Values(LineEndCase{"o body\rv 0 0 0\rv 1 0 0", "\r", ""},
                      LineEndCase{"o body\r\nv 0 0 0\r\nv 1 0 0\r\n", "\r\n", ""},
                      LineEndCase{"\xEF\xBB\xBFo body\nv 0 0 0\nv 1 0 0\n", "\n", "\xEF\xBB\xBF"},
                      LineEndCase{"\xEF\xBB\xBFo body\rv 0 0 0\rv 1 0 0\r", "\r", "\xEF\xBB\xBF"}));

// A C string cannot hold a NUL byte, so this case is not in the table.
TEST_F(ObjReaderTest, NulByteMarksTheFileAsNotText) {
  const char bytes[] = "o a\nv 0 0 0\n\x01\0binary\n";
  const std::string text(bytes, sizeof bytes - 1);
  try {
    Parse(text);
    FAIL() << "a file with a NUL byte was read as text";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_STREQ(error.what(), "model.obj:3: not a text file: holds a NUL byte");
  }
}

TEST_F(ObjReaderTest, MissingFileIsRefusedNamingIt) {
  TempDir folder;
  const std::string path = (folder / "absent.obj").string();
  try {
    refhost::ReadObjFile(path, referenceHost().NewDocument());
    FAIL() << "a missing file was read";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(std::string(error.what()), path + ": cannot open: No such file or directory");
  }
}

}  // namespace
