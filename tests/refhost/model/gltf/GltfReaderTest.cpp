#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "refhost/model/ModelFile.h"
#include "tests/support/GltfTestAsset.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ObjectDump.h"

namespace {

MQPoint Plus(const MQPoint& a, const MQPoint& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }

class GltfReaderTest : public HostTest, public ::testing::WithParamInterface<GltfBuilder::Storage> {
 protected:
  std::filesystem::path AssetPath() const {
    return folder / (GetParam() == GltfBuilder::Storage::Glb ? "asset.glb" : "asset.gltf");
  }

  refhost::Document& Read() {
    const std::filesystem::path path = AssetPath();
    TestAsset().Write(path, GetParam());
    refhost::Document& document = referenceHost().NewDocument();
    model = refhost::ReadModelFile(path, document);
    return document;
  }

  static std::vector<std::string> Faces(const refhost::Object& object, refhost::ElementKind kind) {
    std::vector<std::string> faces;
    const refhost::ElementList& list = object.elements(kind);
    for (int element = 0; element < list.Count(); ++element) {
      std::string text;
      for (refhost::Corner corner : list.CornersOf(element))
        text += std::to_string(corner.vertex) + " ";
      faces.push_back(text);
    }
    return faces;
  }

  TempDir folder;
  std::unique_ptr<refhost::ModelFile> model;
};

TEST_P(GltfReaderTest, MeshesAndTheirTargetsBecomeObjectsNamedByTheMorphConvention) {
  const refhost::Document& document = Read();
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(document.ObjectCount()));
  for (int index = 0; index < document.ObjectCount(); ++index)
    names.push_back(document.ObjectAt(index)->name());
  EXPECT_EQ(names, (std::vector<std::string>{"Face", "elem:smile-Face", "elem:blink_left-Face",
                                             "mesh1", "elem:target_0-mesh1", "Face_2"}))
      << "each mesh, then its targets; unnamed ones numbered, '-' in a target name made '_', a "
         "taken name made unique";
}

TEST_P(GltfReaderTest, PrimitivesFollowEachOtherWithTheirFacesWoundAsGltfDrawsThem) {
  const refhost::Object& face = *Read().ObjectAt(0);
  ASSERT_EQ(face.VertexCount(), 13) << "quad, strip and fan each bring their own vertices";
  EXPECT_EQ(BitsOf(face.Vertex(9 + 2)), BitsOf(MQPoint{1.7f, 1.9f, 0.3f}))
      << "the fan shares the quad's POSITION accessor, read from interleaved data";
  EXPECT_EQ(Faces(face, refhost::ElementKind::Face),
            (std::vector<std::string>{"0 1 2 ", "0 2 3 ", "4 5 6 ", "5 7 6 ", "6 7 8 ", "10 11 9 ",
                                      "11 12 9 "}))
      << "triangles as listed, strips alternating their winding, fans around their first vertex";
  const refhost::Object& lines = *Read().ObjectAt(3);
  EXPECT_EQ(Faces(lines, refhost::ElementKind::Line), (std::vector<std::string>{"0 1 ", "2 3 "}));
  EXPECT_EQ(Faces(lines, refhost::ElementKind::Point), (std::vector<std::string>{"4 5 "}))
      << "lines and points are elements, so that a blend moves their vertices";
}

TEST_P(GltfReaderTest, TargetsHoldBasePlusDeltaForEveryVertex) {
  const refhost::Document& document = Read();
  const refhost::Object& face = *document.ObjectAt(0);
  const refhost::Object& smile = *document.ObjectAt(1);
  const refhost::Object& blink = *document.ObjectAt(2);
  EXPECT_EQ(BitsOf(smile.Vertex(0)), BitsOf(Plus(face.Vertex(0), {0.3f, 0.05f, 0})))
      << "a dense delta, added in float32";
  EXPECT_EQ(BitsOf(smile.Vertex(8)), BitsOf(Plus(face.Vertex(8), {0.3f, 0.3f, 0.1f})));
  for (int vertex : {0, 1, 3, 4, 8, 9})
    EXPECT_EQ(BitsOf(blink.Vertex(vertex)), BitsOf(face.Vertex(vertex))) << vertex;
  EXPECT_EQ(BitsOf(blink.Vertex(2)), BitsOf(Plus(face.Vertex(2), {0, -0.35f, 0})))
      << "the sparse delta moves its one vertex";
  EXPECT_EQ(BitsOf(blink.Vertex(11)), BitsOf(blink.Vertex(2)))
      << "the fan shares the quad's target";
  EXPECT_EQ(Faces(blink, refhost::ElementKind::Face), Faces(face, refhost::ElementKind::Face));
}

// A .glb from a file has its binary chunk read in place; from a pipe, whole
// in memory. Both must give the same document, to the bit.
TEST_P(GltfReaderTest, AFileAndTheSameBytesInMemoryReadAlike) {
  if (GetParam() == GltfBuilder::Storage::BinFile) GTEST_SKIP() << "its buffer is another file";
  const refhost::Document& fromFile = Read();
  refhost::Document& fromMemory = referenceHost().NewDocument();
  const std::string name = AssetPath().string();
  const auto parsed = refhost::ParseModel(TempDir::Read(name), name, fromMemory);
  EXPECT_EQ(DumpDocument(fromMemory), DumpDocument(fromFile));
}

// Targets are read one after the other into memory reused between them: a
// primitive that a target leaves alone must show the base, never what the
// target before moved there.
TEST_P(GltfReaderTest, APrimitiveATargetLeavesAloneShowsTheBase) {
  GltfBuilder b;
  const std::vector<MQPoint> near = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}};
  const std::vector<MQPoint> far = {{5, 0, 0}, {6, 0, 0}, {5, 1, 0}};
  const refhost::GltfJson lift = {{"POSITION", b.Points(std::vector<MQPoint>(3, {0, 0, 1}))}};
  b.json["meshes"] = {{{"name", "pair"},
                       {"primitives",
                        {{{"attributes", {{"POSITION", b.Points(near)}}},
                          {"targets", {lift, refhost::GltfJson::object()}}},
                         {{"attributes", {{"POSITION", b.Points(far)}}},
                          {"targets", {refhost::GltfJson::object(), lift}}}}}}};
  b.Write(AssetPath(), GetParam());
  refhost::Document& document = referenceHost().NewDocument();
  model = refhost::ReadModelFile(AssetPath(), document);
  const refhost::Object& base = *document.ObjectAt(0);
  const refhost::Object& nearLift = *document.ObjectAt(1);
  const refhost::Object& farLift = *document.ObjectAt(2);
  for (int vertex = 0; vertex < 3; ++vertex) {
    EXPECT_EQ(BitsOf(nearLift.Vertex(vertex)), BitsOf(Plus(base.Vertex(vertex), {0, 0, 1})));
    EXPECT_EQ(BitsOf(nearLift.Vertex(3 + vertex)), BitsOf(base.Vertex(3 + vertex)));
    EXPECT_EQ(BitsOf(farLift.Vertex(vertex)), BitsOf(base.Vertex(vertex))) << "not the lift before";
    EXPECT_EQ(BitsOf(farLift.Vertex(3 + vertex)), BitsOf(Plus(base.Vertex(3 + vertex), {0, 0, 1})));
  }
}

INSTANTIATE_TEST_SUITE_P(Storages, GltfReaderTest,
                         ::testing::Values(GltfBuilder::Storage::BinFile,
                                           GltfBuilder::Storage::DataUri,
                                           GltfBuilder::Storage::Glb));

}  // namespace
