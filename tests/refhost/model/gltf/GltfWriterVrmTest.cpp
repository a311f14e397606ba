#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "refhost/host/Host.h"
#include "refhost/model/gltf/GltfFile.h"
#include "tests/support/HostFixture.h"
#include "tests/support/VrmTestAsset.h"

namespace {

namespace fs = std::filesystem;
using refhost::GltfJson;

// A new morph target of mesh object `base`: a copy of it named so.
void AddTarget(refhost::Document& document, const std::string& base, const std::string& name) {
  for (int index = 0; index < document.ObjectCount(); ++index) {
    refhost::Object& object = *document.ObjectAt(index);
    if (object.name() != base) continue;
    refhost::Object& copy = refhost::Host::Instance().CloneObject(object);
    copy.SetName(name);
    document.InsertAfter(copy, nullptr);
    return;
  }
  FAIL() << "no object " << base;
}

class GltfWriterVrmTest : public HostTest, public ::testing::WithParamInterface<VrmKind> {
 protected:
  // `asset` written as a .vrm, read, changed by `edit` and written again; the
  // JSON written.
  GltfJson Written(const GltfBuilder& asset, const std::function<void(refhost::Document&)>& edit) {
    asset.Write(folder / "in.vrm", GltfBuilder::Storage::Glb);
    refhost::Document& document = referenceHost().NewDocument();
    const auto model = refhost::ReadModelFile(folder / "in.vrm", document);
    model->notes = [this](const std::string& note) { notes.push_back(note); };
    edit(document);
    model->Write(document, folder / "out.vrm");
    refhost::Document& read = referenceHost().NewDocument();
    return dynamic_cast<const refhost::GltfFile&>(*refhost::ReadModelFile(folder / "out.vrm", read))
        .json;
  }

  static const char* ExtensionName() { return GetParam() == VrmKind::Current ? "VRMC_vrm" : "VRM"; }
  static GltfJson Extension(const GltfJson& asset) {
    return asset.at("extensions").at(ExtensionName());
  }

  TempDir folder;
  std::vector<std::string> notes;
};

TEST_P(GltfWriterVrmTest, AnUnchangedAvatarWithoutExpressionsWritesTheSameBytes) {
  GltfBuilder avatar = VrmTestAsset(GetParam());
  avatar.json["extensions"][ExtensionName()].erase(
      GetParam() == VrmKind::Current ? "expressions" : "blendShapeMaster");
  Written(avatar, [](refhost::Document&) {});
  EXPECT_EQ(TempDir::Read(folder / "out.vrm"), TempDir::Read(folder / "in.vrm"))
      << "an avatar without new targets must not gain expressions or lists";
}

TEST_P(GltfWriterVrmTest, NewTargetsOfOneNameOnTwoMeshesShareOneExpression) {
  GltfBuilder avatar = VrmTestAsset(GetParam());
  avatar.json["meshes"].push_back(avatar.json["meshes"][0]);
  avatar.json["nodes"][2]["children"].push_back(avatar.Add("nodes", {{"mesh", 1}}));
  const GltfJson asset = Written(avatar, [](refhost::Document& document) {
    AddTarget(document, "Face", "elem:mix-Face");
    AddTarget(document, "Face_2", "elem:mix-Face_2");
  });
  if (GetParam() == VrmKind::Current) {
    const GltfJson binds = Extension(asset)["expressions"]["custom"]["mix"]["morphTargetBinds"];
    ASSERT_EQ(binds.size(), 3u) << "both face nodes of mesh 0 and the node of mesh 1";
    EXPECT_EQ(binds[2], (GltfJson{{"node", 17}, {"index", 2}, {"weight", 1.0}}));
  } else {
    const GltfJson groups = Extension(asset)["blendShapeMaster"]["blendShapeGroups"];
    ASSERT_EQ(groups.size(), 4u) << "one new group for both meshes";
    EXPECT_EQ(groups[3]["binds"], (GltfJson{{{"mesh", 0}, {"index", 2}, {"weight", 100}},
                                            {{"mesh", 1}, {"index", 2}, {"weight", 100}}}));
  }
}

TEST_P(GltfWriterVrmTest, ATargetOfAMeshNoNodeShowsIsNoExpression) {
  GltfBuilder avatar = VrmTestAsset(GetParam());
  for (int node : kVrmFaceNodes) avatar.json["nodes"][static_cast<std::size_t>(node)].erase("mesh");
  const GltfJson before = avatar.json;
  const GltfJson asset = Written(
      avatar, [](refhost::Document& document) { AddTarget(document, "Face", "elem:mix-Face"); });
  EXPECT_EQ(Extension(asset), Extension(before)) << "no program could show such an expression";
  EXPECT_EQ(notes, std::vector<std::string>{"Object 'elem:mix-Face' is a morph target of a mesh "
                                            "that no node shows, so the avatar gets no "
                                            "expression of it."});
}

INSTANTIATE_TEST_SUITE_P(Kinds, GltfWriterVrmTest,
                         ::testing::Values(VrmKind::Current, VrmKind::Older), [](const auto& info) {
                           return info.param == VrmKind::Current ? "Current" : "Older";
                         });

}  // namespace
