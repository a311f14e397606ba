#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "refhost/model/obj/ObjReader.h"
#include "tests/support/CliRunner.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ObjStatements.h"
#include "tests/support/ObjectDump.h"
#include "tests/support/PluginModule.h"
#include "tests/support/RealWorldModels.h"
#include "tests/support/ReferenceBlend.h"

namespace {

bool SetsStyle(const std::string& keyword) {
  return keyword == "usemtl" || keyword == "g" || keyword == "s";
}

// Each model merged through the plug-in with its target chosen twice, at 100%
// and at 50%, and written to another folder.
class CliLosslessRunTest : public HostTest, public ::testing::WithParamInterface<RealWorldModel> {
 protected:
  CliResult Run(const std::string& answers) {
    return RunRefhost("run " + ShellWord(ModuleFile("Blendforge")) + " " +
                      ShellWord(input.string()) + " --object " + ShellWord(GetParam().base) +
                      " -o " + ShellWord(output.string()) + " " + answers);
  }

  refhost::Document& Read(const std::filesystem::path& path) {
    refhost::Document& document = referenceHost().NewDocument();
    refhost::ReadObjFile(path, document);
    return document;
  }

  // The base's positions blended as the plug-in does, 100% and then 50% of the
  // target: vertices that nothing uses, or where the target equals the base,
  // stay.
  static std::vector<std::string> BlendedPositions(const refhost::Object& base,
                                                   const refhost::Object& target) {
    refhost::Document& scratch = refhost::Host::Instance().NewDocument();
    refhost::Object& blended = scratch.AddObject("blended");
    for (int index = 0; index < base.VertexCount(); ++index) {
      const MQPoint& b = base.Vertex(index);
      const MQPoint& t = target.Vertex(index);
      const bool same = b.x == t.x && b.y == t.y && b.z == t.z;
      const bool moves = base.RefCount(index) > 0 && !same;
      blended.AddVertex(moves ? ReferenceBlend(ReferenceBlend(b, b, t, 1.0f), b, t, 0.5f) : b);
    }
    return DumpObject(scratch, blended).positions;
  }

  TempDir folder;
  std::filesystem::path input = CopyModel(GetParam(), folder / "in");
  std::filesystem::path output = folder / "out" / GetParam().file;
};

TEST_P(CliLosslessRunTest, MergeKeepsEveryStatementAndGivesTheNewObjectTheBaseSurface) {
  std::filesystem::create_directories(output.parent_path());
  const std::string chosen = ShellWord(GetParam().target);
  const CliResult result =
      Run("--list 1=" + chosen + " --list 2=" + chosen + " --spin 1=100 --spin 2=50 --press OK");
  ASSERT_EQ(result.status, 0) << result.err;

  const refhost::Document& before = Read(input);
  const refhost::Document& after = Read(output);
  std::vector<ObjectDump> dumps = DumpDocument(after);
  const auto isNew = [&](const ObjectDump& dump) {
    const std::vector<ObjectDump> old = DumpDocument(before);
    return std::none_of(old.begin(), old.end(), [&](const auto& o) { return o.name == dump.name; });
  };
  const auto made = std::find_if(dumps.begin(), dumps.end(), isNew);
  ASSERT_NE(made, dumps.end()) << "the output holds no new object";
  const ObjectDump added = *made;
  dumps.erase(made);
  EXPECT_EQ(dumps, DumpDocument(before)) << "an object of the input changed on the way";

  const refhost::Object& base = *before.ObjectAt(0);
  const refhost::Object& target = *before.ObjectAt(1);
  const ObjectDump baseDump = DumpObject(before, base);
  EXPECT_EQ(added.elements, baseDump.elements)
      << "the new object's faces, lines and points must have the base's corners, texture "
         "coordinates, normals, materials, groups and smoothing";
  EXPECT_EQ(added.extras, baseDump.extras) << "vertex colours must follow their vertices";
  EXPECT_EQ(added.positions, BlendedPositions(base, target))
      << "every used vertex (of faces, lines or points) must move with the target, and only those";

  std::map<std::string, int> expected =
      ObjStatements(TempDir::Read(input), input.parent_path()).Counts();
  expected["o"] += 1;
  expected["v"] += base.VertexCount();
  for (const std::string& element : added.elements) ++expected[element.substr(0, 1)];
  for (const auto& [keyword, count] :
       ObjStatements(TempDir::Read(output), output.parent_path()).Counts()) {
    if (SetsStyle(keyword)) {
      EXPECT_GE(count, expected[keyword]) << "'" << keyword << "' statements were lost";
    } else {
      EXPECT_EQ(count, expected[keyword])
          << "'" << keyword << "' statements are not the input's plus the new object's";
    }
    expected.erase(keyword);
  }
  for (const auto& [keyword, count] : expected)
    EXPECT_EQ(count, 0) << "all " << count << " '" << keyword << "' statements were lost";
}

TEST_P(CliLosslessRunTest, CancelledRunWritesNothing) {
  const CliResult result = Run("--press Cancel");
  EXPECT_EQ(result.status, 2) << "status 2 tells a script that nothing changed";
  EXPECT_FALSE(std::filesystem::exists(output)) << "a cancelled run wrote a file";
}

INSTANTIATE_TEST_SUITE_P(Models, CliLosslessRunTest, ::testing::ValuesIn(kRealWorldModels),
                         [](const auto& info) { return ModelTestName(info.param); });

}  // namespace
