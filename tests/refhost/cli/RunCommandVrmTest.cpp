#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/gltf/GltfFile.h"
#include "tests/support/CliRunner.h"
#include "tests/support/GltfValidator.h"
#include "tests/support/HostFixture.h"
#include "tests/support/PluginModule.h"
#include "tests/support/VrmReader.h"
#include "tests/support/VrmTestAsset.h"

namespace {

namespace fs = std::filesystem;
using refhost::GltfJson;

std::string MergeArguments(const fs::path& input, const std::string& name) {
  return "run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(input.string()) +
         " --list 1=elem:smile-Face --list 2=elem:blink-Face --spin 1=50 --spin 2=150 --edit "
         "2=elem:" +
         name + "-Face --press OK";
}

// The new target's expression as the asset's own kind writes it.
GltfJson& NewExpression(GltfJson& asset, VrmKind kind) {
  if (kind == VrmKind::Current)
    return asset["extensions"]["VRMC_vrm"]["expressions"]["custom"]["mix"];
  return asset["extensions"]["VRM"]["blendShapeMaster"]["blendShapeGroups"].back();
}

// The output's JSON without what the new target added, which must then be
// the input's: the target in the primitive and the mesh's names, its
// expression, and its data.
GltfJson WithoutTheNewTarget(GltfJson asset, const GltfJson& input, VrmKind kind) {
  asset["meshes"][0]["primitives"][0]["targets"].erase(2);
  asset["meshes"][0]["extras"]["targetNames"].erase(2);
  if (kind == VrmKind::Current)
    asset["extensions"]["VRMC_vrm"]["expressions"]["custom"].erase("mix");
  else
    asset["extensions"]["VRM"]["blendShapeMaster"]["blendShapeGroups"].erase(3);
  for (const char* list : {"accessors", "bufferViews"})
    asset[list].erase(asset[list].begin() + static_cast<long>(input[list].size()),
                      asset[list].end());
  asset["buffers"] = input["buffers"];
  return asset;
}

// Each kind of avatar merged through the plug-in into a new target "mix",
// written beside it under the default name.
class CliVrmRunTest : public HostTest, public ::testing::WithParamInterface<VrmKind> {
 protected:
  CliVrmRunTest() {
    VrmTestAsset(GetParam()).Write(input, GltfBuilder::Storage::Glb);
    result = RunRefhost(MergeArguments(input, "mix"));
  }

  GltfJson Json(const fs::path& path) {
    refhost::Document& document = referenceHost().NewDocument();
    const auto file = refhost::ReadModelFile(path, document);
    return dynamic_cast<const refhost::GltfFile&>(*file).json;
  }

  TempDir folder;
  fs::path input = folder / "avatar.vrm";
  fs::path output = folder / "avatar.merged.vrm";
  CliResult result;
};

TEST_P(CliVrmRunTest, NewTargetIsAnExpressionOfTheAvatar) {
  ASSERT_EQ(result.status, 0) << result.err;
  ASSERT_TRUE(refhost::IsGlb(TempDir::Read(output))) << "a .vrm comes back as binary glTF";
  GltfJson asset = Json(output);
  ASSERT_EQ(asset["meshes"][0]["extras"]["targetNames"][2], "mix");
  if (GetParam() == VrmKind::Current) {
    EXPECT_EQ(NewExpression(asset, GetParam()),
              (GltfJson{{"morphTargetBinds",
                         {{{"node", kVrmFaceNodes[0]}, {"index", 2}, {"weight", 1.0}},
                          {{"node", kVrmFaceNodes[1]}, {"index", 2}, {"weight", 1.0}}}}}))
        << "one bind of the new target at full weight per node showing the face, nothing else";
  } else {
    EXPECT_EQ(NewExpression(asset, GetParam()),
              (GltfJson{{"name", "mix"},
                        {"presetName", "unknown"},
                        {"binds", {{{"mesh", 0}, {"index", 2}, {"weight", 100}}}},
                        {"materialValues", GltfJson::array()},
                        {"isBinary", false}}))
        << "a group of no preset binding the new target of the face at full weight";
  }
}

TEST_P(CliVrmRunTest, EverythingElseIsAsItWas) {
  ASSERT_EQ(result.status, 0) << result.err;
  const GltfJson before = Json(input);
  EXPECT_EQ(WithoutTheNewTarget(Json(output), before, GetParam()), before)
      << "more than the new target and its expression changed, or the avatar's data was lost";
  const std::string in = TempDir::Read(input);
  const std::string out = TempDir::Read(output);
  EXPECT_EQ(refhost::SplitGlb(out, "").bin.substr(0, refhost::SplitGlb(in, "").bin.size()),
            refhost::SplitGlb(in, "").bin)
      << "the avatar's binary data must come first, unchanged";
}

TEST_P(CliVrmRunTest, AnAvatarReaderBindsTheNewExpressionToTheNewTarget) {
  if (!kNodeReachable) GTEST_SKIP() << "node is not reachable from the Windows build";
  ASSERT_EQ(result.status, 0) << result.err;
  const GltfJson before = VrmReaderExpressions(input);
  GltfJson after = VrmReaderExpressions(output);
  EXPECT_EQ(after["warnings"], GltfJson::array()) << "the reader skipped something";
  const GltfJson mix = after["expressions"]["mix"];
  std::set<std::string> meshes;
  for (const GltfJson& bind : mix) {
    EXPECT_EQ(bind["index"], 2) << "bound to another target than the new one";
    EXPECT_EQ(bind["weight"], 1.0) << "full weight on the reader's scale";
    for (const GltfJson& mesh : bind["meshes"]) meshes.insert(mesh.get<std::string>());
  }
  EXPECT_EQ(meshes, (std::set<std::string>{"eyes", "mouth"}))
      << "the new expression must move the face on both nodes that show it";
  after["expressions"].erase("mix");
  EXPECT_EQ(after, before) << "the avatar's own expressions read otherwise";
}

TEST_P(CliVrmRunTest, OutputPassesTheKhronosValidatorAsTheInputDoes) {
  if (!kGltfValidatorReachable) GTEST_SKIP() << "node is not reachable from the Windows build";
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(GltfValidatorErrors(output), "");
  EXPECT_EQ(GltfValidatorWarnings(output), GltfValidatorWarnings(input)) << "new warnings";
}

INSTANTIATE_TEST_SUITE_P(Kinds, CliVrmRunTest, ::testing::Values(VrmKind::Current, VrmKind::Older),
                         [](const auto& info) {
                           return info.param == VrmKind::Current ? "Current" : "Older";
                         });

// A name the avatar has for an expression is refused, saying how to choose
// another, and nothing is written.
struct TakenExpression {
  const char* name;
  VrmKind kind;
  const char* target;   // the new target's name
  const char* message;  // after "refhost: OUT: "
};
void PrintTo(const TakenExpression& taken, std::ostream* out) { *out << taken.name; }

class CliVrmTakenNameTest : public ::testing::TestWithParam<TakenExpression> {};

TEST_P(CliVrmTakenNameTest, IsRefusedNamingTheExpressionAndHowToRename) {
  TempDir folder;
  VrmTestAsset(GetParam().kind).Write(folder / "avatar.vrm", GltfBuilder::Storage::Glb);
  const fs::path output = folder / "out.vrm";
  TempDir::Write(output, "kept");
  const CliResult refused = RunRefhost(MergeArguments(folder / "avatar.vrm", GetParam().target) +
                                       " -o " + ShellWord(output.string()));
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "refhost: " + output.string() + ": " + GetParam().message +
                             "; choose another name for the new morph target with --edit 2=NAME\n");
  EXPECT_EQ(TempDir::Read(output), "kept") << "a refused write damaged the existing output";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CliVrmTakenNameTest,
    ::testing::Values(
        TakenExpression{"CustomExpression", VrmKind::Current, "smirk",
                        "/extensions/VRMC_vrm/expressions/custom/smirk: the avatar has an "
                        "expression 'smirk' already"},
        TakenExpression{"PresetName", VrmKind::Current, "surprised",
                        "/extensions/VRMC_vrm/expressions/custom/surprised: 'surprised' is a "
                        "preset expression's name, which a custom one cannot have"},
        TakenExpression{"BlendShapeGroup", VrmKind::Older, "Smirk",
                        "/extensions/VRM/blendShapeMaster/blendShapeGroups/2/name: the avatar has "
                        "a blend shape group 'Smirk' already"}),
    [](const ::testing::TestParamInfo<TakenExpression>& info) {
      return std::string(info.param.name);
    });

}  // namespace
