#include <gtest/gtest.h>

#include <string>

#include "refhost/model/obj/ObjReader.h"
#include "refhost/model/obj/ObjWriter.h"
#include "tests/support/HostFixture.h"
#include "tests/support/ObjStatements.h"
#include "tests/support/ObjectDump.h"
#include "tests/support/RealWorldModels.h"

namespace {

class ObjRoundTripTest : public HostTest, public ::testing::WithParamInterface<RealWorldModel> {
 protected:
  TempDir folder;
};

TEST_P(ObjRoundTripTest, UnchangedDocumentIsWrittenBackStatementForStatement) {
  const std::filesystem::path path = CopyModel(GetParam(), folder.path());
  refhost::Document& document = referenceHost().NewDocument();
  const refhost::ObjFile file = refhost::ReadObjFile(path, document);
  std::string written;
  refhost::WriteObj(document, file, path, [&](std::string_view bytes) { written += bytes; });

  EXPECT_EQ(ObjStatements(written, folder.path()).list(),
            ObjStatements(TempDir::Read(path), folder.path()).list())
      << "writing an unchanged document changed, added or lost a statement";
  refhost::Document& again = referenceHost().NewDocument();
  refhost::ParseObj(written, path.string(), path.stem().string(), again);
  EXPECT_EQ(DumpDocument(again), DumpDocument(document))
      << "the written file reads as another model";
}

INSTANTIATE_TEST_SUITE_P(Models, ObjRoundTripTest, ::testing::ValuesIn(kRealWorldModels),
                         [](const auto& info) { return ModelTestName(info.param); });

}  // namespace
