#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "refhost/model/obj/ObjReader.h"
#include "refhost/model/obj/ObjWriter.h"
#include "refhost/text/ModelFileError.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ObjectDump.h"
#include "tests/support/TempDir.h"

namespace {

float FromBits(std::uint32_t bits) {
  float value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// Values whose text form is easy to get wrong: signed zero, denormals, the
// ends of the range, and decimals with no exact binary form.
const std::vector<float> kAwkwardValues = {0.0f,
                                           FromBits(0x80000000),
                                           FromBits(0x00000001),
                                           FromBits(0x807FFFFF),
                                           FLT_MIN,
                                           FLT_MAX,
                                           -FLT_MAX,
                                           0.1f,
                                           1.0f / 3.0f,
                                           16777217.0f,
                                           1e-40f,
                                           123456.789f,
                                           -2.5e-12f,
                                           FromBits(0x3F800001)};

class ObjWriterTest : public HostTest {
 protected:
  std::string Text(const refhost::Document& document, const refhost::ObjFile& file = {}) {
    std::string text;
    refhost::WriteObj(document, file, "out.obj", [&](std::string_view bytes) { text += bytes; });
    return text;
  }

  refhost::Document& Reread(const std::string& text) {
    refhost::Document& document = referenceHost().NewDocument();
    refhost::ParseObj(text, "out.obj", "out", document);
    return document;
  }

  refhost::Document& SmallDocument() {
    refhost::Document& document = referenceHost().NewDocument();
    refhost::Object& body = document.AddObject("body");
    body.AddVertex({0, 0, 0});
    body.AddVertex({1, 0, 0});
    body.AddVertex({0, 1, 0});
    body.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 2}));
    document.AddEmptyPosition();
    refhost::Object& hat = document.AddObject("hat");
    hat.AddVertex({0, 0, 1.5f});
    hat.AddVertex({1, 0, 1.5f});
    hat.AddVertex({0, 1, 1.5f});
    hat.AddVertex({7, 7, 7});
    hat.AddElement(refhost::ElementKind::Face, CornersOn({2, 1, 0}));
    return document;
  }
};

TEST_F(ObjWriterTest, WritesObjectsInDocumentOrderWithFileWideNumbers) {
  EXPECT_EQ(Text(SmallDocument()),
            "o body\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n"
            "o hat\nv 0 0 1.5\nv 1 0 1.5\nv 0 1 1.5\nv 7 7 7\nf 6 5 4\n")
      << "the empty position is skipped and the second object's vertices continue the count";
}

TEST_F(ObjWriterTest, PositionsReadBackBitExact) {
  refhost::Document& document = referenceHost().NewDocument();
  refhost::Object& object = document.AddObject("values");
  for (std::size_t index = 0; index < kAwkwardValues.size(); ++index) {
    float value = kAwkwardValues[index];
    object.AddVertex({value, -value, kAwkwardValues[kAwkwardValues.size() - 1 - index]});
  }
  const refhost::Object& reread = *Reread(Text(document)).ObjectAt(0);
  ASSERT_EQ(reread.VertexCount(), object.VertexCount());
  for (int index = 0; index < object.VertexCount(); ++index)
    EXPECT_EQ(BitsOf(reread.Vertex(index)), BitsOf(object.Vertex(index)))
        << "vertex " << index << " changed on its way through the file";
}

TEST_F(ObjWriterTest, FileRoundTripKeepsNamesFacesAndRefCounts) {
  TempDir folder;
  refhost::Document& document = SmallDocument();
  refhost::ObjFile{}.Write(document, folder / "out.obj");
  refhost::Document& reread = referenceHost().NewDocument();
  refhost::ReadObjFile(folder / "out.obj", reread);
  EXPECT_EQ(DumpDocument(reread), DumpDocument(document));
  EXPECT_EQ(reread.ObjectAt(1)->RefCount(3), 0) << "an unused vertex must stay unused";
}

TEST_F(ObjWriterTest, ReplacesAnExistingFileWhole) {
  TempDir folder;
  TempDir::Write(folder / "out.obj", std::string(100000, 'x'));
  refhost::ObjFile{}.Write(SmallDocument(), folder / "out.obj");
  EXPECT_EQ(TempDir::Read(folder / "out.obj"), Text(SmallDocument()))
      << "nothing of the old, longer content may remain";
}

TEST_F(ObjWriterTest, UnstorableNameLeavesTheExistingFileAsItWas) {
  TempDir folder;
  TempDir::Write(folder / "out.obj", "old content\n");
  refhost::Document& document = SmallDocument();
  document.AddObject("two\nlines");
  const std::string path = (folder / "out.obj").string();
  try {
    refhost::ObjFile{}.Write(document, path);
    FAIL() << "a name with a line break was written";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(
        std::string(error.what()),
        path + ": the name of the object at position 4 holds a line break, which OBJ cannot store");
  }
  EXPECT_EQ(TempDir::Read(path), "old content\n") << "a failed write damaged the existing file";
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
    ++entries;
  EXPECT_EQ(entries, 1) << "the temporary file was left behind";
}

TEST_F(ObjWriterTest, MissingFolderIsRefusedNamingTheFile) {
  TempDir folder;
  const std::string path = (folder / "absent" / "out.obj").string();
  try {
    refhost::ObjFile{}.Write(SmallDocument(), path);
    FAIL() << "wrote into a folder that does not exist";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(std::string(error.what()), path + ": cannot write: No such file or directory");
  }
}

TEST_F(ObjWriterTest, FullDeviceIsReportedAsWriteError) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "this system has no /dev/full";
  try {
    refhost::ObjFile{}.Write(SmallDocument(), "/dev/full");
    FAIL() << "a write to a full device went unnoticed";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_STREQ(error.what(), "/dev/full: cannot write: No space left on device");
  }
}

// Edits a plug-in or the host makes to a document read from a file.
using Edit = std::function<void(refhost::Document&)>;

void NoEdit(refhost::Document&) {}

// A copy of the first object, as MQObj_Clone and MQDoc_InsertObject make it.
void CopyFirst(refhost::Document& document) {
  refhost::Object& copy = refhost::Host::Instance().CloneObject(*document.ObjectAt(0));
  copy.SetName("copy");
  copy.SetVertex(0, {9, 9, 9});
  document.InsertAfter(copy, document.ObjectAt(0));
}

void RemoveFirst(refhost::Document& document) { document.Remove(*document.ObjectAt(0)); }

void RenameFirst(refhost::Document& document) { document.ObjectAt(0)->SetName("head"); }

// A new red triangle after the first object, where another style is in effect.
void AddRedTriangle(refhost::Document& document) {
  refhost::Object& triangle = refhost::Host::Instance().NewObject();
  triangle.SetName("red");
  for (int index = 0; index < 3; ++index) triangle.AddVertex({0, 0, 0});
  triangle.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 2}),
                      {document.materials().Intern("red"), -1, 0});
  document.InsertAfter(triangle, document.ObjectAt(0));
}

void GrowFirst(refhost::Document& document) {
  refhost::Object& first = *document.ObjectAt(0);
  first.AddElement(refhost::ElementKind::Point, CornersOn({0}));
}

struct EditCase {
  const char* name;
  const char* input;
  Edit edit;
  const char* output;  // or, for an edit that OBJ cannot store, the message
};

void PrintTo(const EditCase& edit, std::ostream* out) { *out << edit.name; }

class ObjEditedWriteTest : public ObjWriterTest, public ::testing::WithParamInterface<EditCase> {
 protected:
  std::string Write() {
    refhost::Document& document = referenceHost().NewDocument();
    const refhost::ObjFile file =
        refhost::ParseObj(GetParam().input, "model.obj", "model", document);
    GetParam().edit(document);
    return Text(document, file);
  }
};

TEST_P(ObjEditedWriteTest, FileComesBackWithTheDocumentsChanges) {
  std::string written;
  try {
    written = Write();
  } catch (const refhost::ModelFileError& error) {
    written = error.what();
  }
  EXPECT_EQ(written, GetParam().output)
      << "the file's own statements must come back in place, with exactly the document's changes";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjEditedWriteTest,
    ::testing::Values(
        EditCase{"CrlfLineEndsCommentsAndLibrariesStay",
                 "# head\r\nmtllib a.mtl\r\no a \t # its name\r\n\r\nv 0 0 0 # origin\r\nvp 0.5",
                 NoEdit,
                 "# head\r\nmtllib a.mtl\r\no a \t # its name\r\n\r\nv 0 0 0 # origin\r\n"
                 "vp 0.5\r\n"},
        EditCase{"CrLineEndsStay", "o a\rv 0 0 0\rp 1", CopyFirst,
                 "o a\rv 0 0 0\rp 1\ro copy\rv 9 9 9\rp 2\r"},
        EditCase{"ByteOrderMarkStays", "\xEF\xBB\xBFo a\nv 0 0 0\n", RenameFirst,
                 "\xEF\xBB\xBFo head\nv 0 0 0\n"},
        EditCase{"UnchangedNameComesBackEvenWhereOBJCouldNotStoreIt", "o a\rb\nv 0 0 0\n", NoEdit,
                 "o a\rb\nv 0 0 0\n"},
        EditCase{"CopyFollowsItsBaseAndLaterNumbersMove",
                 "vt 0 0\no a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl red\nf 1/1 2/1 3/1\n"
                 "# b follows\nusemtl blue\no b\nv 0 0 1\nl -1 4\n",
                 CopyFirst,
                 "vt 0 0\no a\nv 0 0 0\nv 1 0 0\nv 0 1 0\nusemtl red\nf 1/1 2/1 3/1\n"
                 "o copy\nv 9 9 9\nv 1 0 0\nv 0 1 0\nf 4/1 5/1 6/1\n"
                 "# b follows\nusemtl blue\no b\nv 0 0 1\nl 7 7\n"},
        EditCase{"CopyStatesTheStylesItsElementsNeed",
                 "o a\nv 0 0 0\nusemtl red\ng top\ns 1\np 1\nusemtl blue\ng\ns off\np 1\n",
                 CopyFirst,
                 "o a\nv 0 0 0\nusemtl red\ng top\ns 1\np 1\nusemtl blue\ng\ns off\np 1\n"
                 "o copy\nv 9 9 9\nusemtl red\ng top\ns 1\np 2\nusemtl blue\ng\ns off\np 2\n"},
        EditCase{"StyleInEffectIsRestoredAfterANewObject", "usemtl blue\no a\nv 0 0 0\np 1\n",
                 AddRedTriangle,
                 "usemtl blue\no a\nv 0 0 0\np 1\no red\nv 0 0 0\nv 0 0 0\nv 0 0 0\n"
                 "usemtl red\nf 2 3 4\nusemtl blue\n"},
        EditCase{"FreeFormKeepsItsVertexNumbersAndNewObjectsGoLast",
                 "o a\nv 0 0 0\np 1\ncurv 0 1 1 1\no b\nv 1 1 1\n", CopyFirst,
                 "o a\nv 0 0 0\np 1\ncurv 0 1 1 1\no b\nv 1 1 1\no copy\nv 9 9 9\np 3\n"},
        EditCase{"RemovedObjectLeavesOutOnlyItsOwnLines",
                 "o a\nv 0 0 0\nvn 0 0 1\np 1\no b\nv 1 1 1\np 2//1\n", RemoveFirst,
                 "vn 0 0 1\no b\nv 1 1 1\np 1//1\n"},
        EditCase{"DefaultObjectGetsAnObjectLineOnlyWhenRenamed", "v 0 0 0\np 1\n", RenameFirst,
                 "o head\nv 0 0 0\np 1\n"},
        EditCase{"ElementWithoutMaterialAfterOneIsRefused", "o a\nv 0 0 0\np 1\nusemtl red\np 1\n",
                 CopyFirst,
                 "out.obj: object 'copy' has elements without a material where one is in effect, "
                 "which OBJ cannot express"},
        EditCase{"ElementsAddedToAnObjectOfTheFileAreRefused", "o a\nv 0 0 0\n", GrowFirst,
                 "out.obj: object 'a' changed its vertices or elements after it was read, which "
                 "have no place in the file"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

struct NonFinitePosition {
  MQPoint point;
  const char* message;
};

class ObjNonFiniteWriteTest : public ObjWriterTest,
                              public ::testing::WithParamInterface<NonFinitePosition> {};

TEST_P(ObjNonFiniteWriteTest, IsRefusedNamingObjectAndVertex) {
  refhost::Document& document = SmallDocument();
  document.ObjectAt(2)->SetVertex(1, GetParam().point);
  try {
    Text(document);
    FAIL() << "a position that is not finite was written";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(std::string(error.what()).rfind(GetParam().message, 0), 0u) << error.what();
  }
}

// How a NaN prints differs between C runtimes, so its case ends before it.
INSTANTIATE_TEST_SUITE_P(
    Cases, ObjNonFiniteWriteTest,
    ::testing::Values(
        NonFinitePosition{{INFINITY, 0, 0},
                          "out.obj: object 'hat', vertex 2 is (inf, 0, 0): OBJ "
                          "cannot store a position that is not a finite number"},
        NonFinitePosition{{0, -INFINITY, 0}, "out.obj: object 'hat', vertex 2 is (0, -inf, 0)"},
        NonFinitePosition{{0, 0, NAN}, "out.obj: object 'hat', vertex 2 is (0, 0, "}));

TEST_F(ObjWriterTest, MaterialLibrariesAreNamedFromTheOutputsFolder) {
  refhost::Document& document = referenceHost().NewDocument();
  const refhost::ObjFile file =
      refhost::ParseObj("mtllib skin.mtl lib/cloth.mtl /shared/metal.mtl # all\n",
                        "models/head/model.obj", "model", document);
  std::string text;
  refhost::WriteObj(document, file, "models/out/model.obj",
                    [&](std::string_view bytes) { text += bytes; });
  EXPECT_EQ(text, "mtllib ../head/skin.mtl ../head/lib/cloth.mtl /shared/metal.mtl # all\n")
      << "each library must be found from the output's folder; a rooted name as it was";
}

TEST_F(ObjWriterTest, MaterialLibraryThatOnlyAPathWithABlankFindsIsRefused) {
  refhost::Document& document = referenceHost().NewDocument();
  const refhost::ObjFile file =
      refhost::ParseObj("mtllib skin.mtl\n", "my models/model.obj", "model", document);
  try {
    refhost::WriteObj(document, file, "out/model.obj", [](std::string_view) {});
    FAIL() << "mtllib cannot name a file whose path holds a blank";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_STREQ(error.what(),
                 "out/model.obj: the material library 'skin.mtl' is '../my models/skin.mtl' from "
                 "the output's folder, and mtllib cannot store a name with a blank");
  }
}

}  // namespace
