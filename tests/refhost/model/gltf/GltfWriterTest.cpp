#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "refhost/host/Host.h"
#include "refhost/model/gltf/GltfFile.h"
#include "refhost/model/gltf/GltfReader.h"
#include "refhost/text/ModelFileError.h"
#include "tests/support/GltfTestAsset.h"
#include "tests/support/GltfValidator.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::array<std::uint32_t, 3>> Bits(const std::vector<MQPoint>& points) {
  std::vector<std::array<std::uint32_t, 3>> bits;
  bits.reserve(points.size());
  for (const MQPoint& point : points) bits.push_back(BitsOf(point));
  return bits;
}

class GltfWriterTest : public HostTest {
 protected:
  GltfWriterTest() { TempDir::Write(folder / "skin.png", TinyPng()); }

  refhost::Document& Read(const fs::path& path) {
    refhost::Document& document = referenceHost().NewDocument();
    models.push_back(refhost::ReadModelFile(path, document));
    return document;
  }
  const refhost::GltfFile& Asset() const {
    return dynamic_cast<const refhost::GltfFile&>(*models.back());
  }

  // The test asset read, changed by `edit`, written, and read back.
  refhost::Document& RoundTrip(const std::function<void(refhost::Document&)>& edit) {
    TestAsset().Write(folder / "in.glb", GltfBuilder::Storage::Glb);
    refhost::Document& document = Read(folder / "in.glb");
    edit(document);
    models.back()->Write(document, folder / "out.glb");
    if (kGltfValidatorReachable) {
      EXPECT_EQ(GltfValidatorErrors(folder / "out.glb"), "");
    }
    return Read(folder / "out.glb");
  }

  // A copy of the document's first object, appended as `name`, its positions moved by `move`.
  static refhost::Object& AddCopy(refhost::Document& document, const std::string& name,
                                  const std::function<MQPoint(int, MQPoint)>& move) {
    refhost::Object& copy = refhost::Host::Instance().CloneObject(*document.ObjectAt(0));
    copy.SetName(name);
    for (int vertex = 0; vertex < copy.VertexCount(); ++vertex)
      copy.SetVertex(vertex, move(vertex, copy.Vertex(vertex)));
    document.InsertAfter(copy, nullptr);
    return copy;
  }

  TempDir folder;
  std::vector<std::unique_ptr<refhost::ModelFile>> models;
};

TEST_F(GltfWriterTest, AnUnchangedDocumentWritesTheSameBytes) {
  TestAsset().Write(folder / "in.glb", GltfBuilder::Storage::Glb);
  refhost::Document& document = Read(folder / "in.glb");
  models.back()->Write(document, folder / "out.glb");
  EXPECT_EQ(TempDir::Read(folder / "out.glb"), TempDir::Read(folder / "in.glb"));
}

TEST_F(GltfWriterTest, NewTargetsStoreOnlyWhatTheyNeed) {
  const refhost::Document& read = RoundTrip([](refhost::Document& document) {
    AddCopy(document, "elem:still-Face", [](int, MQPoint p) { return p; });
    AddCopy(document, "elem:nod-Face", [](int v, MQPoint p) {
      return v == 1 ? MQPoint{p.x, p.y + 0.1f, p.z} : p;
    });
    AddCopy(document, "elem:lift-Face", [](int, MQPoint p) {
      return MQPoint{p.x, p.y, p.z + 0.7f};
    });
  });
  const refhost::GltfJson& targets = Asset().json["meshes"][0]["primitives"][0]["targets"];
  const refhost::GltfJson& accessors = Asset().json["accessors"];
  const auto accessorOf = [&](std::size_t target) {
    return accessors[targets[target]["POSITION"].get<std::size_t>()];
  };
  EXPECT_FALSE(accessorOf(2).contains("bufferView") || accessorOf(2).contains("sparse"))
      << "a target that moves nothing needs no data";
  EXPECT_EQ(accessorOf(3)["sparse"]["count"], 1) << "one moved vertex is stored alone";
  EXPECT_EQ(accessorOf(3)["sparse"]["indices"]["componentType"], 5121)
      << "in the smallest index type";
  EXPECT_TRUE(accessorOf(4).contains("bufferView") && !accessorOf(4).contains("sparse"))
      << "all moved: dense";
  EXPECT_EQ(Asset().json["meshes"][0]["extras"]["targetNames"],
            (refhost::GltfJson{"smile", "blink-left", "still", "nod", "lift"}));
  EXPECT_EQ(read.ObjectAt(5)->name(), "elem:lift-Face")
      << "read back after the mesh's other targets";
}

TEST_F(GltfWriterTest, MovedBaseGetsNewPositionsAndItsTargetsKeepTheirs) {
  std::vector<MQPoint> smile;
  const refhost::Document& read = RoundTrip([&](refhost::Document& document) {
    refhost::Object& face = *document.ObjectAt(0);
    smile = document.ObjectAt(1)->vertices();
    face.SetVertex(5, {9, 9, 9});
  });
  EXPECT_EQ(BitsOf(read.ObjectAt(0)->Vertex(5)), BitsOf(MQPoint{9, 9, 9}));
  EXPECT_EQ(BitsOf(read.ObjectAt(0)->Vertex(4)), BitsOf(MQPoint{2, 0, 0})) << "other vertices stay";
  for (int vertex = 0; vertex < read.ObjectAt(1)->VertexCount(); ++vertex)
    EXPECT_LE(
        std::fabs(read.ObjectAt(1)->Vertex(vertex).y - smile[static_cast<std::size_t>(vertex)].y),
        1e-6f)
        << "the target's vertex " << vertex << " moved with the base";
}

// The writer reads each target of the file again to find the ones the
// document changed, into memory it reuses from target to target: only the
// edited one may get new data, and every other one must come back to the bit.
TEST_F(GltfWriterTest, AnEditedTargetAloneGetsNewDeltas) {
  std::vector<std::vector<MQPoint>> before;
  const refhost::Document& read = RoundTrip([&](refhost::Document& document) {
    for (int index = 0; index < document.ObjectCount(); ++index)
      before.push_back(document.ObjectAt(index)->vertices());
    document.ObjectAt(2)->SetVertex(3, {7, 7, 7});
  });
  before[2][3] = {7, 7, 7};
  for (int index = 0; index < read.ObjectCount(); ++index)
    EXPECT_EQ(Bits(read.ObjectAt(index)->vertices()), Bits(before[static_cast<std::size_t>(index)]))
        << read.ObjectAt(index)->name();
  const refhost::GltfJson& targets = Asset().json["meshes"][0]["primitives"][0]["targets"];
  TestAsset().Write(folder / "again.glb", GltfBuilder::Storage::Glb);
  Read(folder / "again.glb");
  const refhost::GltfJson& original = Asset().json["meshes"][0]["primitives"][0]["targets"];
  EXPECT_EQ(targets[0], original[0]) << "the smile keeps its accessor";
  EXPECT_NE(targets[1], original[1]) << "the blink has new deltas";
}

// Exporters put a .glb's images in buffer views of its binary chunk.
TEST_F(GltfWriterTest, AnImageInTheBinaryChunkComesBackAsItWas) {
  GltfBuilder asset = TestAsset();
  const std::string png = TinyPng();
  asset.json["images"] = {{{"bufferView", asset.View(std::vector<char>(png.begin(), png.end()))},
                           {"mimeType", "image/png"}}};
  asset.Write(folder / "in.glb", GltfBuilder::Storage::Glb);
  refhost::Document& document = Read(folder / "in.glb");
  models.back()->Write(document, folder / "out.glb");
  EXPECT_EQ(TempDir::Read(folder / "out.glb"), TempDir::Read(folder / "in.glb"));
}

TEST_F(GltfWriterTest, AnObjectThatIsNoTargetBecomesAMeshInTheScene) {
  const refhost::Document& read = RoundTrip([](refhost::Document& document) {
    AddCopy(document, "hat", [](int, MQPoint p) { return MQPoint{p.x, p.y + 3, p.z}; });
  });
  const refhost::Object& hat = *read.ObjectAt(read.ObjectCount() - 1);
  EXPECT_EQ(hat.name(), "hat");
  EXPECT_EQ(hat.faces().Count(), 7) << "every triangle of the copy";
  EXPECT_EQ(Asset().json["scenes"][0]["nodes"].back(), 4) << "a new node shows the new mesh";
}

TEST_F(GltfWriterTest, AnAssetWithoutMeshesOrScenesGetsBoth) {
  refhost::Document& document = referenceHost().NewDocument();
  const auto asset = refhost::ParseGltf(R"({"asset": {"version": "2.0"}})", "empty", ".", document);
  refhost::Object& triangle = document.AddObject("triangle");
  for (const MQPoint& point : {MQPoint{0, 0, 0}, MQPoint{1, 0, 0}, MQPoint{0, 1, 0}})
    triangle.AddVertex(point);
  triangle.AddElement(refhost::ElementKind::Face, {{0, -1, -1}, {1, -1, -1}, {2, -1, -1}});
  asset->Write(document, folder / "new.gltf");
  if (kGltfValidatorReachable) {
    EXPECT_EQ(GltfValidatorErrors(folder / "new.gltf"), "");
  }
  const refhost::Document& read = Read(folder / "new.gltf");
  ASSERT_EQ(read.ObjectCount(), 1);
  EXPECT_EQ(read.ObjectAt(0)->faces().Count(), 1);
  EXPECT_EQ(Asset().json["scenes"], (refhost::GltfJson{{{"nodes", {0}}}}))
      << "the new scene shows the new node";
}

TEST_F(GltfWriterTest, WritingAcrossOBJAndGltfIsRefused) {
  TestAsset().Write(folder / "in.gltf", GltfBuilder::Storage::DataUri);
  refhost::Document& document = Read(folder / "in.gltf");
  TempDir::Write(folder / "out.obj", "o old\n");
  try {
    models.back()->Write(document, folder / "out.obj");
    ADD_FAILURE() << "a glTF model was written as OBJ";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(std::string(error.what()),
              (folder / "out.obj").string() + ": cannot write a model read as glTF as OBJ");
  }
  EXPECT_EQ(TempDir::Read(folder / "out.obj"), "o old\n") << "the existing output was damaged";
}

// What the writer cannot carry into the asset, with the document or the asset
// spoilt one way each.
struct WriterRefusal {
  const char* name;
  std::function<void(GltfBuilder&)> spoil;
  std::function<void(refhost::Document&)> edit;
  const char* message;  // after "FILE: "
};
void PrintTo(const WriterRefusal& refusal, std::ostream* out) { *out << refusal.name; }

void KeepAsset(GltfBuilder&) {}
void AddTarget(refhost::Document& document) {
  refhost::Object& copy = refhost::Host::Instance().CloneObject(*document.ObjectAt(0));
  copy.SetName("elem:new-Face");
  document.InsertAfter(copy, nullptr);
}

class GltfWriterRefusalTest : public HostTest, public ::testing::WithParamInterface<WriterRefusal> {
 protected:
  TempDir folder;
};

TEST_P(GltfWriterRefusalTest, IsRefusedNamingTheOutputAndLeavesItAlone) {
  GltfBuilder asset = TestAsset();
  GetParam().spoil(asset);
  asset.Write(folder / "in.glb", GltfBuilder::Storage::Glb);
  refhost::Document& document = referenceHost().NewDocument();
  const std::unique_ptr<refhost::ModelFile> model =
      refhost::ReadModelFile(folder / "in.glb", document);
  GetParam().edit(document);
  const fs::path output = folder / "out.glb";
  TempDir::Write(output, "kept");
  try {
    model->Write(document, output);
    ADD_FAILURE() << "the writer carried what it cannot";
  } catch (const refhost::ModelFileError& error) {
    EXPECT_EQ(error.what(), output.string() + ": " + GetParam().message);
  }
  EXPECT_EQ(TempDir::Read(output), "kept") << "a refused write damaged the existing output";
}

refhost::GltfJson& LinearWeightsOutput(GltfBuilder& b) {
  const std::size_t output = b.json["animations"][0]["samplers"][0]["output"];
  return b.json["accessors"][output];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GltfWriterRefusalTest,
    ::testing::Values(
        WriterRefusal{"RemovedMesh", KeepAsset,
                      [](refhost::Document& d) { d.Remove(*d.ObjectAt(0)); },
                      "object 'Face' was removed, but a glTF mesh or morph target cannot be"},
        WriterRefusal{"ChangedVertexCount", KeepAsset,
                      [](refhost::Document& d) {
                        d.ObjectAt(0)->AddVertex({0, 0, 0});
                      },
                      "object 'Face' now has 14 vertices, its mesh 13"},
        WriterRefusal{"TakenTargetName", KeepAsset,
                      [](refhost::Document& d) {
                        refhost::Object& copy =
                            refhost::Host::Instance().CloneObject(*d.ObjectAt(0));
                        copy.SetName("elem:smile-Face");
                        d.InsertAfter(copy, nullptr);
                      },
                      "/meshes/0/extras/targetNames/0: already holds the name 'smile'; a mesh's "
                      "morph targets need names of their own"},
        WriterRefusal{"TargetLostItsName", KeepAsset,
                      [](refhost::Document& d) { d.ObjectAt(1)->SetName("smile"); },
                      "object 'smile', a morph target of 'Face', no longer has a morph target's "
                      "name"},
        WriterRefusal{"EmptyNewMesh", KeepAsset, [](refhost::Document& d) { d.AddObject("empty"); },
                      "object 'empty' has no vertices, which a glTF mesh cannot hold"},
        WriterRefusal{"ExtrasNoObject",
                      [](GltfBuilder& b) { b.json["meshes"][0]["extras"] = "rig"; }, AddTarget,
                      "/meshes/0/extras: is no object, so it cannot name the morph targets"},
        WriterRefusal{"WeightsNoWholeKeyframes",
                      [](GltfBuilder& b) { LinearWeightsOutput(b)["count"] = 3; }, AddTarget,
                      "/animations/0/samplers/0/output: 3 weights are no whole number of "
                      "keyframes of 2 morph targets"},
        WriterRefusal{"NameNotUtf8", KeepAsset,
                      [](refhost::Document& d) {
                        d.AddObject("caf\xe9").AddVertex({0, 0, 0});
                      },
                      "a name in the document is not UTF-8 text, which glTF requires"},
        WriterRefusal{"NoSuchSampler",
                      [](GltfBuilder& b) { b.json["animations"][0]["channels"][0]["sampler"] = 7; },
                      AddTarget, "/animations/0/channels/0/sampler: no such sampler"}),
    [](const ::testing::TestParamInfo<WriterRefusal>& info) {
      return std::string(info.param.name);
    });

}  // namespace
