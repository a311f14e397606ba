#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/CliRunner.h"
#include "tests/support/ExporterHeadAsset.h"
#include "tests/support/GltfValidator.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/PluginModule.h"
#include "tests/support/ReadGltfAsset.h"

namespace {

namespace fs = std::filesystem;
using refhost::GltfJson;

constexpr int kSmile = 0, kBlink = 1, kNewTarget = 3;

class CliMixTest : public HostTest {
 protected:
  CliMixTest() {
    head.builder().Write(input, GltfBuilder::Storage::Glb);
    fs::create_directories(output.parent_path());
  }

  CliResult Merge(const std::string& first, const std::string& second, const std::string& name) {
    return RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                      ShellWord(input.string()) + " --list 1=" + ShellWord(first) + " --list 2=" +
                      ShellWord(second) + " --spin 1=35 --spin 2=150 --edit 2=" + ShellWord(name) +
                      " --press OK --verbose -o " + ShellWord(output.string()));
  }

  // The accessor of the new target's `attribute` in the primitive; -1: none.
  static int NewAccessor(const ReadAsset& read, int primitive, const char* attribute) {
    const GltfJson& target =
        read.asset().json["meshes"][0]["primitives"][primitive]["targets"][kNewTarget];
    return target.contains(attribute) ? target[attribute].get<int>() : -1;
  }

  ExporterHeadAsset head;
  TempDir folder;
  fs::path input = folder / "head.glb";
  fs::path output = folder / "out" / "head-mix.glb";
};

// (0.35 × smile) + (1.5 × blink), in float32, each operation rounded.
std::vector<float> Mixed(const std::vector<MQPoint>& smile, const std::vector<MQPoint>& blink,
                         std::size_t count) {
  const float w1 = static_cast<float>(35 / 100.0), w2 = static_cast<float>(150 / 100.0);
  std::vector<float> mixed;
  for (std::size_t v = 0; v < count; ++v) {
    const MQPoint s = smile.empty() ? MQPoint{0, 0, 0} : smile[v];
    const MQPoint b = blink.empty() ? MQPoint{0, 0, 0} : blink[v];
    const float x1 = w1 * s.x, y1 = w1 * s.y, z1 = w1 * s.z;
    const float x2 = w2 * b.x, y2 = w2 * b.y, z2 = w2 * b.z;
    mixed.insert(mixed.end(), {x1 + x2, y1 + y2, z1 + z2});
  }
  return mixed;
}

std::vector<std::uint32_t> Bits(const std::vector<float>& values) {
  std::vector<std::uint32_t> bits;
  bits.reserve(values.size());
  for (float value : values) bits.push_back(BitsOf(value));
  return bits;
}

TEST_F(CliMixTest, NewTargetShadesAsTheMixItShows) {
  const CliResult result = Merge("elem:smile-Head", "elem:blink-Head", "elem:mix-Head");
  ASSERT_EQ(result.status, 0) << result.err;
  const ReadAsset read = ReadGltfAsset(output);
  for (int p = 0; p < ExporterHeadAsset::kPrimitives; ++p) {
    for (const char* attribute : {"NORMAL", "TANGENT"}) {
      const std::vector<MQPoint>& smile = head.Deltas(p, kSmile, attribute);
      const int accessor = NewAccessor(read, p, attribute);
      ASSERT_GE(accessor, 0) << "primitive " << p << " lacks " << attribute;
      EXPECT_EQ(Bits(read.Floats(accessor)),
                Bits(Mixed(smile, head.Deltas(p, kBlink, attribute), smile.size())))
          << "primitive " << p << " " << attribute
          << (p == 1 ? " (blink has none there: zero)" : "");
    }
  }
  EXPECT_EQ(read.asset().json["meshes"][0]["extras"]["targetNames"][kNewTarget], "mix");
}

TEST_F(CliMixTest, TargetsWithoutNormalsGiveANewTargetWithout) {
  const CliResult result = Merge("elem:jaw_open-Head", "elem:jaw_open-Head", "elem:wide-Head");
  ASSERT_EQ(result.status, 0) << result.err;
  const ReadAsset read = ReadGltfAsset(output);
  for (int p = 0; p < ExporterHeadAsset::kPrimitives; ++p) {
    EXPECT_GE(NewAccessor(read, p, "POSITION"), 0);
    EXPECT_EQ(NewAccessor(read, p, "NORMAL"), -1);
    EXPECT_EQ(NewAccessor(read, p, "TANGENT"), -1);
  }
}

TEST_F(CliMixTest, OutputGainsNoValidatorWarning) {
  if (!kGltfValidatorReachable) GTEST_SKIP() << "node is not reachable from the Windows build";
  const CliResult result = Merge("elem:smile-Head", "elem:blink-Head", "elem:mix-Head");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(GltfValidatorErrors(output), "");
  EXPECT_EQ(GltfValidatorWarnings(output), GltfValidatorWarnings(input));
}

TEST_F(CliMixTest, TakenNameEndsTheRunWithNothingWritten) {
  const CliResult result = Merge("elem:smile-Head", "elem:blink-Head", "elem:smile-Head");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("'elem:smile-Head' is taken"), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("--edit 2=NAME"), std::string::npos) << result.err;
  EXPECT_FALSE(fs::exists(output));
}

}  // namespace
