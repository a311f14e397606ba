#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "refhost/model/gltf/GltfContainer.h"
#include "tests/support/CliRunner.h"
#include "tests/support/ExporterHeadAsset.h"
#include "tests/support/GltfTestAsset.h"
#include "tests/support/GltfValidator.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/PluginModule.h"
#include "tests/support/ReadGltfAsset.h"

namespace {

namespace fs = std::filesystem;
using refhost::GltfJson;

struct Conversion {
  const char* name;
  GltfBuilder::Storage input;
  const char* output;  // in another folder than the input's
};
void PrintTo(const Conversion& conversion, std::ostream* out) { *out << conversion.name; }

float Ulps(float a, float b) {
  return std::fabs(a - b) / (std::nextafter(std::fabs(a), INFINITY) - std::fabs(a));
}

// 50% of smile plus 150% of blink, each offset added in turn, as the plug-in does.
MQPoint Blend(const MQPoint& base, const MQPoint& smile, const MQPoint& blink) {
  MQPoint point = base;
  for (auto [target, weight] : {std::pair{smile, 0.5f}, std::pair{blink, 1.5f}}) {
    if (target.x == base.x && target.y == base.y && target.z == base.z) continue;
    point = {point.x + (target.x - base.x) * weight, point.y + (target.y - base.y) * weight,
             point.z + (target.z - base.z) * weight};
  }
  return point;
}

void Truncate(GltfJson& array, std::size_t size) {
  array.erase(array.begin() + static_cast<long>(size), array.end());
}

// The output's JSON with the new target's additions taken out, file URIs as
// absolute paths and buffers' storage left aside, which must then be the input's.
GltfJson Comparable(GltfJson asset, const GltfJson& input, const fs::path& folder) {
  for (std::size_t m = 0; m < input["meshes"].size(); ++m) {
    GltfJson& mesh = asset["meshes"][m];
    for (std::size_t p = 0; p < mesh["primitives"].size(); ++p)
      if (mesh["primitives"][p].contains("targets"))
        Truncate(mesh["primitives"][p]["targets"],
                 input["meshes"][m]["primitives"][p]["targets"].size());
    if (mesh.contains("weights")) Truncate(mesh["weights"], input["meshes"][m]["weights"].size());
    if (mesh.contains("extras"))
      Truncate(mesh["extras"]["targetNames"], input["meshes"][m]["extras"]["targetNames"].size());
  }
  for (std::size_t n = 0; n < input["nodes"].size(); ++n)
    if (input["nodes"][n].contains("weights"))
      Truncate(asset["nodes"][n]["weights"], input["nodes"][n]["weights"].size());
  for (const char* list : {"accessors", "bufferViews", "buffers"})
    Truncate(asset[list], input[list].size());
  for (GltfJson& buffer : asset["buffers"]) buffer = GltfJson::object();
  asset["images"][0]["uri"] =
      (folder / asset["images"][0]["uri"].get<std::string>()).lexically_normal().string();
  return asset;
}

class CliGltfRunTest : public HostTest, public ::testing::WithParamInterface<Conversion> {
 protected:
  CliGltfRunTest() {
    fs::create_directories(folder / "in");
    fs::create_directories(output.parent_path());
    TestAsset().Write(input, GetParam().input);
    TempDir::Write(folder / "in" / "skin.png", TinyPng());
    result =
        RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(input.string()) +
                   " --object Face --list 1=elem:smile-Face --list 2=elem:blink_left-Face --spin "
                   "1=50 --spin 2=150 --edit 2=elem:mix-Face --press OK -o " +
                   ShellWord(output.string()));
  }

  static ReadAsset Read(const fs::path& path) { return ReadGltfAsset(path); }

  TempDir folder;
  fs::path input =
      folder / "in" / (GetParam().input == GltfBuilder::Storage::Glb ? "asset.glb" : "asset.gltf");
  fs::path output = folder / GetParam().output;
  CliResult result;
};

TEST_P(CliGltfRunTest, NewTargetHoldsThePluginsBlendAsDeltasFromTheBase) {
  ASSERT_EQ(result.status, 0) << result.err;
  const ReadAsset before = Read(input);
  const ReadAsset after = Read(output);
  const refhost::Object& base = before.Named("Face");
  const refhost::Object& mix = after.Named("elem:mix-Face");
  ASSERT_EQ(mix.VertexCount(), base.VertexCount());
  for (int vertex = 0; vertex < base.VertexCount(); ++vertex) {
    const MQPoint expected =
        Blend(base.Vertex(vertex), before.Named("elem:smile-Face").Vertex(vertex),
              before.Named("elem:blink_left-Face").Vertex(vertex));
    const float b[] = {base.Vertex(vertex).x, base.Vertex(vertex).y, base.Vertex(vertex).z};
    const float e[] = {expected.x, expected.y, expected.z};
    const float got[] = {mix.Vertex(vertex).x, mix.Vertex(vertex).y, mix.Vertex(vertex).z};
    for (int axis = 0; axis < 3; ++axis) {
      const float delta = e[axis] - b[axis];
      if (double{e[axis]} - double{b[axis]} == double{delta})
        EXPECT_EQ(BitsOf(got[axis]), BitsOf(e[axis]))
            << "vertex " << vertex << " axis " << axis << ": exact delta";
      else
        EXPECT_LE(Ulps(got[axis], e[axis]), 1.0f) << "vertex " << vertex << " axis " << axis;
    }
  }
}

TEST_P(CliGltfRunTest, EverythingElseKeepsItsMeaning) {
  ASSERT_EQ(result.status, 0) << result.err;
  const ReadAsset before = Read(input);
  const ReadAsset after = Read(output);
  const GltfJson& in = before.asset().json;
  const GltfJson& out = after.asset().json;
  for (std::size_t accessor = 0; accessor < in["accessors"].size(); ++accessor)
    EXPECT_EQ(after.Floats(static_cast<int>(accessor)), before.Floats(static_cast<int>(accessor)))
        << "the data of accessor " << accessor << " changed";
  GltfJson comparable = Comparable(out, in, output.parent_path());
  for (std::size_t s = 0; s < 2; ++s) {
    std::vector<float> widened = after.Floats(out["animations"][0]["samplers"][s]["output"]);
    for (std::size_t at = 2; at < widened.size(); at += 2) {
      EXPECT_EQ(widened[at], 0.0f) << "sampler " << s << " weighs the new target";
      widened.erase(widened.begin() + static_cast<long>(at));
    }
    EXPECT_EQ(widened, before.Floats(in["animations"][0]["samplers"][s]["output"]));
    comparable["animations"][0]["samplers"][s]["output"] =
        in["animations"][0]["samplers"][s]["output"];
  }
  GltfJson expected = in;
  for (GltfJson& buffer : expected["buffers"]) buffer = GltfJson::object();
  expected["images"][0]["uri"] = (input.parent_path() / "skin.png").lexically_normal().string();
  EXPECT_EQ(comparable, expected) << "more than the new target changed in the asset";
}

TEST_P(CliGltfRunTest, OutputPassesTheKhronosValidator) {
  if (!kGltfValidatorReachable) GTEST_SKIP() << "node is not reachable from the Windows build";
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(GltfValidatorErrors(output), "");
}

INSTANTIATE_TEST_SUITE_P(
    Conversions, CliGltfRunTest,
    ::testing::Values(Conversion{"GltfToGlb", GltfBuilder::Storage::BinFile, "out/merged.glb"},
                      Conversion{"GlbToGltf", GltfBuilder::Storage::Glb, "out/deeper/merged.gltf"},
                      Conversion{"DataUriToGltf", GltfBuilder::Storage::DataUri, "merged.GLTF"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

TEST(CliGltfOutputTest, DefaultOutputKeepsTheInputsFormatAndStdinIsToldByItsContent) {
  TempDir folder;
  TestAsset().Write(folder / "asset.glb", GltfBuilder::Storage::Glb);
  const std::string run = "run " + ShellWord(ModuleFile("Blendforge")) + " ";
  ASSERT_EQ(RunRefhost(run + ShellWord((folder / "asset.glb").string()) + " --press OK").status, 0);
  EXPECT_TRUE(refhost::IsGlb(TempDir::Read(folder / "asset.merged.glb")))
      << "stem + .merged + extension";

  TestAsset().Write(folder / "asset.gltf", GltfBuilder::Storage::DataUri);
  const CliResult piped =
      RunRefhost(run + "- -o -", {TempDir::Read(folder / "asset.gltf"), "", ""});
  ASSERT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(refhost::GltfJson::parse(piped.out)["meshes"][0]["extras"]["targetNames"].back(), "new")
      << "glTF JSON on stdin is read and written as glTF";
}

}  // namespace

namespace {

// A .gltf whose data lies in a file beside it, in a second buffer's data URI
// and in an image's data URI.
fs::path WriteSpreadAsset(const fs::path& folder) {
  ExporterHeadAsset head;
  GltfJson& json = head.builder().json;
  const std::vector<float> weights = {0, 0, 0, 1, 0.5f, 0.25f};
  const std::string bytes(reinterpret_cast<const char*>(weights.data()), sizeof(float) * 6);
  json["buffers"] = {{{"byteLength", head.builder().bin.size()}, {"uri", "head.bin"}},
                     {{"byteLength", bytes.size()}, {"uri", refhost::DataUri(bytes)}}};
  json["bufferViews"].push_back({{"buffer", 1}, {"byteLength", bytes.size()}});
  json["accessors"][json["animations"][0]["samplers"][0]["output"].get<std::size_t>()]
      ["bufferView"] = json["bufferViews"].size() - 1;
  std::string png = refhost::DataUri(TinyPng());
  png.replace(0, png.find(';'), "data:image/png");
  json["images"] = {{{"uri", png}}};
  fs::create_directories(folder);
  head.builder().Write(folder / "head.gltf", GltfBuilder::Storage::BinFile);
  TempDir::Write(folder / "head.bin", head.builder().bin);
  return folder / "head.gltf";
}

TEST(CliGltfOutputTest, GltfWrittenAsGlbHoldsAllItsDataInTheOneBinaryChunk) {
  TempDir folder;
  const fs::path input = WriteSpreadAsset(folder / "in");
  const fs::path output = folder / "head.glb";
  const CliResult result =
      RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " + ShellWord(input.string()) +
                 " --list 1=elem:smile-Head --list 2=elem:blink-Head --press OK -o " +
                 ShellWord(output.string()));
  ASSERT_EQ(result.status, 0) << result.err;
  const ReadAsset before = ReadGltfAsset(input);
  const ReadAsset after = ReadGltfAsset(output);
  const GltfJson& json = after.asset().json;
  ASSERT_EQ(json["buffers"].size(), 1u);
  EXPECT_FALSE(json["buffers"][0].contains("uri"));
  EXPECT_FALSE(json["images"][0].contains("uri"));
  EXPECT_EQ(json["images"][0]["mimeType"], "image/png");
  for (std::size_t accessor = 0; accessor < before.asset().json["accessors"].size(); ++accessor)
    EXPECT_EQ(after.Floats(static_cast<int>(accessor)), before.Floats(static_cast<int>(accessor)))
        << "accessor " << accessor;
  const GltfJson& imageView =
      json["bufferViews"][json["images"][0]["bufferView"].get<std::size_t>()];
  const auto& chunk = after.asset().model.buffers[0].data;
  EXPECT_EQ(std::string(chunk.begin() + imageView["byteOffset"].get<long>(),
                        chunk.begin() + imageView["byteOffset"].get<long>() +
                            imageView["byteLength"].get<long>()),
            TinyPng());
  if (!kGltfValidatorReachable) return;
  EXPECT_EQ(GltfValidatorErrors(output), "");
  EXPECT_EQ(GltfValidatorWarnings(output), GltfValidatorWarnings(input));
}

}  // namespace
