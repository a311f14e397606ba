#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "refhost/model/obj/ObjReader.h"
#include "refhost/model/obj/ObjWriter.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MorphNormalsObj.h"
#include "tests/support/ObjResolvedLines.h"

namespace {

// A copy of the first object, put after the object named `after` and noted as
// a mix of the first object with the next two at these weights.
struct MixedCopy {
  std::string name = "elem:mix-body";
  std::string after = "body";
  float smile = 0.3f;
  float blink = -0.65f;
};

struct Written {
  std::string text;
  std::vector<std::string> notes;
};

const refhost::Object* Named(const refhost::Document& document, const std::string& name) {
  for (int index = 0; index < document.ObjectCount(); ++index)
    if (document.ObjectAt(index)->name() == name) return document.ObjectAt(index);
  return nullptr;
}

class ObjMixedNormalsTest : public HostTest {
 protected:
  Written Merge(const std::string& input, const std::vector<MixedCopy>& copies = {{}},
                bool noteMixes = true) {
    refhost::Document& document = referenceHost().NewDocument();
    refhost::ObjFile file = refhost::ParseObj(input, "model.obj", "model", document);
    Written written;
    file.notes = [&](const std::string& note) { written.notes.push_back(note); };
    const int base = document.ObjectAt(0)->uniqueID();
    const int smile = document.ObjectAt(1)->uniqueID();
    const int blink = document.ObjectAt(2)->uniqueID();
    for (const MixedCopy& copy : copies) {
      refhost::Object& made = referenceHost().CloneObject(*document.FindByUniqueID(base));
      made.SetName(copy.name);
      document.InsertAfter(made, Named(document, copy.after));
      if (noteMixes)
        document.NoteMix(made.uniqueID(), {base, {{smile, copy.smile}, {blink, copy.blink}}});
    }
    refhost::WriteObj(document, file, "out.obj",
                      [&](std::string_view bytes) { written.text += bytes; });
    return written;
  }
};

// The vn lines that the faces among `lines` name, in order, from the
// resolved form.
std::vector<std::string> NormalsNamedByFaces(const std::vector<std::string>& lines) {
  std::vector<std::string> named;
  for (const std::string& line : lines) {
    if (line.rfind("f ", 0) != 0) continue;
    for (std::size_t at = line.find("[vn "); at != std::string::npos;
         at = line.find("[vn ", at + 1))
      named.push_back(line.substr(at + 1, line.find(']', at) - at - 1));
  }
  return named;
}

std::vector<std::string> NormalLines(const std::vector<std::string>& lines) {
  std::vector<std::string> normals;
  for (const std::string& line : lines)
    if (line.rfind("vn ", 0) == 0) normals.push_back(line);
  return normals;
}

TEST_F(ObjMixedNormalsTest, MixedCopyGetsANormalPerCornerMixedAsFloat32Does) {
  const Written written = Merge(kMorphNormalsObj);
  std::vector<std::string> lines = ObjLinesOf(written.text);
  const std::vector<std::string> copy = TakeObjectLines(lines, "elem:mix-body");
  std::vector<std::string> keywords;
  keywords.reserve(copy.size());
  for (const std::string& line : copy) keywords.push_back(line.substr(0, line.find(' ')));
  EXPECT_EQ(keywords, (std::vector<std::string>{"o", "v", "v", "v", "v", "vn", "vn", "vn", "vn",
                                                "vn", "vn", "f", "f"}))
      << "its own normals go with its lines, between its vertices and its faces";
  ASSERT_EQ(copy.size(), 13u) << written.text;
  EXPECT_EQ(copy[11], "f 5//5 6//6 7//7");
  EXPECT_EQ(copy[12], "f 6//8 8//9 7//10") << "each corner names a normal of its own";
  ExpectMixedNormals(NormalsOn(copy), ReferenceMorphNormals(0.3f, -0.65f));
  EXPECT_TRUE(written.notes.empty()) << written.notes.front();
}

TEST_F(ObjMixedNormalsTest, EveryOtherReferenceStillNamesTheSameLine) {
  const Written written = Merge(kMorphNormalsObj, {{}, {"elem:mix2-body", "elem:smile-body"}});
  std::vector<std::string> lines = ResolvedLines(written.text);
  for (const char* name : {"elem:mix-body", "elem:mix2-body"}) {
    const std::vector<std::string> copy = TakeObjectLines(lines, name);
    EXPECT_EQ(NormalsNamedByFaces(copy), NormalLines(copy))
        << name << "'s faces must name its own normals, corner after corner";
  }
  EXPECT_EQ(lines, ResolvedLines(kMorphNormalsObj))
      << "a line of the file changed, or a reference (absolute or relative) of an object after "
         "the new normals names another line than it did";
}

TEST_F(ObjMixedNormalsTest, CancellingNormalsKeepTheBasesAtThatCorner) {
  const char* const input =
      "o body\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nvn 0 0.6 0.8\nf 1//1 2//2 3//2\n"
      "o elem:smile-body\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 -1\nvn 0 0.6 0.8\nf 4//3 5//4 6//4\n"
      "o elem:blink-body\nv 0 0 0\nv 1 0 0\nv 0 1 0\nvn 0 0 1\nvn 0 0.8 0.6\nf 7//5 8//6 9//6\n";
  MixedCopy copy;
  copy.smile = 0.5f;
  copy.blink = 0.25f;
  std::vector<std::string> lines = ObjLinesOf(Merge(input, {copy}).text);
  const std::vector<MQPoint> normals = NormalsOn(TakeObjectLines(lines, "elem:mix-body"));
  const MQPoint turned =
      ReferenceMixedNormal({0, 0.6f, 0.8f}, {{{0, 0.6f, 0.8f}, 0.5f}, {{0, 0.8f, 0.6f}, 0.25f}});
  ExpectMixedNormals(normals, {{0, 0, 1}, turned, turned});
}

struct KeptCase {
  const char* name;
  std::vector<std::pair<const char*, const char*>> edits;  // lines of kMorphNormalsObj, and by what
  const char* note;                                        // empty: none
};

void PrintTo(const KeptCase& kept, std::ostream* out) { *out << kept.name; }

class ObjKeptNormalsTest : public ObjMixedNormalsTest,
                           public ::testing::WithParamInterface<KeptCase> {};

TEST_P(ObjKeptNormalsTest, CopyKeepsTheBasesNormalsAndANoteSaysWhy) {
  std::string input = kMorphNormalsObj;
  for (const auto& [replaced, by] : GetParam().edits) {
    const std::size_t at = input.find(replaced);
    ASSERT_NE(at, std::string::npos) << replaced;
    input.replace(at, std::string(replaced).size(), by);
  }
  const Written written = Merge(input);
  EXPECT_EQ(written.text, Merge(input, {{}}, false).text)
      << "the copy must be written as without a mix, naming its base's normals";
  const std::vector<std::string> expected = *GetParam().note == '\0'
                                                ? std::vector<std::string>{}
                                                : std::vector<std::string>{GetParam().note};
  EXPECT_EQ(written.notes, expected);
}

const char* const kSmileFaces = "f 5//5 6//6 7//7\nf 6//6 8//8 7//7\n";
const char* const kBlinkFaces = "f 9//9 10//10 11//11\nf 10//10 12//12 11//11\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, ObjKeptNormalsTest,
    ::testing::Values(
        KeptCase{"TargetWithoutNormals",
                 {{kBlinkFaces, "f 9 10 11\nf 10 12 11\n"}},
                 "Object 'elem:mix-body' keeps the normals of 'body': face 1 of "
                 "'elem:blink-body' has no normals."},
        KeptCase{"TargetWithFewerFaces",
                 {{kSmileFaces, "f 5//5 6//6 7//7\n"}},
                 "Object 'elem:mix-body' keeps the normals of 'body': 'elem:smile-body' has 1 "
                 "face, not 2."},
        KeptCase{"TargetWithAQuadForATriangle",
                 {{kBlinkFaces, "f 9//9 10//10 11//11\nf 10//10 12//12 11//11 9//9\n"}},
                 "Object 'elem:mix-body' keeps the normals of 'body': face 2 of "
                 "'elem:blink-body' has 4 corners, not 3."},
        KeptCase{"TargetFaceOnOtherVertices",
                 {{kSmileFaces, "f 6//5 5//6 7//7\nf 6//6 8//8 7//7\n"}},
                 "Object 'elem:mix-body' keeps the normals of 'body': face 1 of "
                 "'elem:smile-body' lies on other vertices than the base's."},
        KeptCase{"BaseFaceWithoutNormals",
                 {{"f 2//2 4//4 3//3\n", "f 2 4 3\n"}},
                 "Object 'elem:mix-body' keeps the normals of 'body': face 2 of 'body' has no "
                 "normals."},
        KeptCase{"TargetsSharingTheBasesNormals",
                 {{kSmileFaces, "f 5//1 6//2 7//3\nf 6//2 8//4 7//3\n"},
                  {kBlinkFaces, "f 9//1 10//2 11//3\nf 10//2 12//4 11//3\n"}},
                 ""},
        KeptCase{"BaseWithoutNormals",
                 {{"f 1//1 2//2 3//3\nf 2//2 4//4 3//3\n", "f 1 2 3\nf 2 4 3\n"}},
                 ""}),
    [](const ::testing::TestParamInfo<KeptCase>& info) { return std::string(info.param.name); });

}  // namespace
