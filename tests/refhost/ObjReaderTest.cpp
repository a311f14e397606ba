#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "refhost/model/ModelFileError.h"
#include "refhost/model/ObjReader.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
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
    return document.ObjectAt(object)->faces().at(face).vertices;
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

struct CornerCase {
  const char* face;
  std::vector<int> textureCoords;
};

void PrintTo(const CornerCase& corner, std::ostream* out) { *out << corner.face; }

class ObjFaceCornerTest : public ObjReaderTest, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(ObjFaceCornerTest, EveryCornerFormNamesTheSameVertices) {
  refhost::Document& document =
      Parse("o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0 0\nvt 1 0\nvt 0 1\nvn 0 0 1\n" +
            std::string(GetParam().face) + "\n");
  const refhost::Face& face = document.ObjectAt(0)->faces().at(0);
  EXPECT_EQ(face.vertices, (std::vector<int>{0, 1, 2})) << GetParam().face;
  EXPECT_EQ(face.textureCoords, GetParam().textureCoords)
      << GetParam().face << ": texture coordinate references must be kept, normals dropped";
}

INSTANTIATE_TEST_SUITE_P(Forms, ObjFaceCornerTest,
                         ::testing::Values(CornerCase{"f 1 2 3", {}},
                                           CornerCase{"f 1/3 2/2 3/1", {2, 1, 0}},
                                           CornerCase{"f 1/1/1 2/2/1 3/3/1", {0, 1, 2}},
                                           CornerCase{"f 1//1 2//1 3//1", {}},
                                           CornerCase{"f -3 -2 -1", {}},
                                           CornerCase{"f -3/-3 -2/-2 -1/-1", {0, 1, 2}},
                                           CornerCase{"f\t1  2 3 # trailing comment", {}}));

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

TEST_F(ObjReaderTest, TextureCoordinatesBelongToTheirObject) {
  refhost::Document& document =
      Parse("o a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.25 0.75\nvt 1\nvt 0 1\nf 1/1 2/2 3/3\n");
  const refhost::Object& object = *document.ObjectAt(0);
  ASSERT_EQ(object.textureCoords().size(), 3u);
  EXPECT_EQ(BitsOf(object.textureCoords()[0][1]), BitsOf(0.75f));
  EXPECT_EQ(BitsOf(object.textureCoords()[1][1]), BitsOf(0.0f)) << "a missing v reads as 0";
}

TEST_F(ObjReaderTest, CommentsBlankLinesAndOtherStatementsAreSkipped) {
  refhost::Document& document = Parse(
      "# a comment\r\n\r\nmtllib face.mtl\r\no a\r\ng group\r\nusemtl skin\r\ns 1\r\n"
      "v 0 0 0\r\nv 1 0 0 1\r\nvn 0 0 1\r\nv 0 1 0 # corner\r\nl 1 2\r\nf 1//1 2//1 3//1\r\n");
  ASSERT_EQ(document.ObjectCount(), 1);
  EXPECT_EQ(document.ObjectAt(0)->name(), "a") << "a CRLF line end is not part of the name";
  EXPECT_EQ(document.ObjectAt(0)->VertexCount(), 3);
  EXPECT_EQ(document.ObjectAt(0)->faces().size(), 1u);
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
                 "earlier object"}));

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
