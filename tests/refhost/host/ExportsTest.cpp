#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"

namespace {

class HostExportsTest : public HostTest {
 protected:
  std::string NameThroughBuffer(int size) {
    std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '\x7f');
    HOST_FN(MQObj_GetName)(object.handle(), buffer.data(), size);
    EXPECT_EQ(buffer[size], '\x7f') << "the host wrote past the size it was given";
    return std::string(buffer.data(), static_cast<std::size_t>(size));
  }

  refhost::Document& document = referenceHost().NewDocument();
  refhost::Object& object = AddUsedMesh(document, "elem:smile-body", {{1, 2, 3}});
};

struct NameCase {
  int size;
  std::string written;  // the whole buffer
};

class NameCutTest : public HostExportsTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(NameCutTest, NameIsCutToFitItsTerminator) {
  EXPECT_EQ(NameThroughBuffer(GetParam().size), GetParam().written)
      << "the name and its terminator must fit the size given";
}

INSTANTIATE_TEST_SUITE_P(Sizes, NameCutTest,
                         ::testing::Values(NameCase{1, std::string(1, '\0')},
                                           NameCase{5, std::string("elem") + '\0'},
                                           NameCase{16, std::string("elem:smile-body") + '\0'}));

TEST_F(HostExportsTest, UnterminatedNameFillsTheWholeBuffer) {
  referenceHost().faults().unterminatedNames = true;

  const std::string shortFill = NameThroughBuffer(20);
  EXPECT_EQ(shortFill.substr(0, 15), "elem:smile-body");
  EXPECT_EQ(shortFill.find('\0'), std::string::npos) << "the fault writes no terminator at all";
  EXPECT_EQ(NameThroughBuffer(4), "elem") << "a long name fills the buffer with its first bytes";
}

TEST_F(HostExportsTest, RecordsCallsOnlyWhileRecording) {
  MQPoint point{};
  HOST_FN(MQObj_GetVertex)(object.handle(), 0, &point);
  EXPECT_TRUE(referenceHost().calls().empty()) << "recording is off by default";

  referenceHost().SetRecording(true);
  HOST_FN(MQObj_GetVertex)(object.handle(), 0, &point);
  HOST_FN(MQObj_GetIntValue)(object.handle(), kObjectValueCopied);
  HOST_FN(MQDoc_GetObjectCount)(document.handle());
  ASSERT_EQ(referenceHost().calls().size(), 3u);
  const refhost::HostCall& vertexCall = referenceHost().calls()[0];
  EXPECT_EQ(vertexCall.function, "MQObj_GetVertex");
  EXPECT_EQ(vertexCall.target, object.handle()) << "the target is the reference as passed";
  EXPECT_EQ(vertexCall.index, 0);
  EXPECT_EQ(referenceHost().calls()[1].index, kObjectValueCopied) << "a key is recorded as index";
  EXPECT_EQ(referenceHost().calls()[2].index, -1) << "a call without index records -1";
}

TEST_F(HostExportsTest, ResetForgetsEverything) {
  referenceHost().faults().unterminatedNames = true;
  referenceHost().SetRecording(true);
  HOST_FN(MQObj_GetVertexCount)(nullptr);
  const MQDocument oldDocument = document.handle();

  referenceHost().Reset();
  EXPECT_TRUE(referenceHost().calls().empty());
  EXPECT_TRUE(referenceHost().misuses().empty());
  EXPECT_FALSE(referenceHost().faults().unterminatedNames);
  EXPECT_EQ(HOST_FN(MQDoc_GetObjectCount)(oldDocument), 0) << "the old document is gone";
  EXPECT_EQ(referenceHost().NewObject().uniqueID(), 1) << "unique IDs start again from 1";
}

struct MisuseCase {
  const char* what;
  std::function<void(refhost::Document&, refhost::Object&)> call;
};

class MisuseTest : public HostExportsTest, public ::testing::WithParamInterface<MisuseCase> {};

const auto kForeignObject = reinterpret_cast<MQObject>(0x1000);

TEST_P(MisuseTest, BadArgumentIsRecordedAndChangesNothing) {
  GetParam().call(document, object);

  EXPECT_EQ(referenceHost().misuses().size(), 1u) << "the host must note what it cannot serve";
  EXPECT_EQ(object.name(), "elem:smile-body");
  EXPECT_EQ(BitsOf(object.Vertex(0)), BitsOf(MQPoint{1, 2, 3})) << "a refused call writes nothing";
  EXPECT_EQ(document.ObjectCount(), 1);
}

void ExpectPointUntouched(const MQPoint& point) {
  EXPECT_EQ(BitsOf(point), BitsOf(MQPoint{-1, -1, -1})) << "a refused read writes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Calls, MisuseTest,
    ::testing::Values(MisuseCase{"null object",
                                 [](refhost::Document&, refhost::Object&) {
                                   EXPECT_EQ(HOST_FN(MQObj_GetVertexCount)(nullptr), 0);
                                 }},
                      MisuseCase{"foreign object",
                                 [](refhost::Document&, refhost::Object&) {
                                   HOST_FN(MQObj_SetName)(kForeignObject, "x");
                                 }},
                      MisuseCase{"document passed as object",
                                 [](refhost::Document& document, refhost::Object&) {
                                   EXPECT_EQ(HOST_FN(MQObj_Clone)(
                                                 reinterpret_cast<MQObject>(document.handle())),
                                             nullptr);
                                 }},
                      MisuseCase{"object passed as document",
                                 [](refhost::Document&, refhost::Object& object) {
                                   EXPECT_EQ(HOST_FN(MQDoc_GetObjectCount)(
                                                 reinterpret_cast<MQDocument>(object.handle())),
                                             0);
                                 }},
                      MisuseCase{"vertex index past the end",
                                 [](refhost::Document&, refhost::Object& object) {
                                   MQPoint point{-1, -1, -1};
                                   HOST_FN(MQObj_GetVertex)(object.handle(), 1, &point);
                                   ExpectPointUntouched(point);
                                 }},
                      MisuseCase{"negative vertex index",
                                 [](refhost::Document&, refhost::Object& object) {
                                   MQPoint point{9, 9, 9};
                                   HOST_FN(MQObj_SetVertex)(object.handle(), -1, &point);
                                 }},
                      MisuseCase{"null point",
                                 [](refhost::Document&, refhost::Object& object) {
                                   HOST_FN(MQObj_SetVertex)(object.handle(), 0, nullptr);
                                 }},
                      MisuseCase{"null name",
                                 [](refhost::Document&, refhost::Object& object) {
                                   HOST_FN(MQObj_SetName)(object.handle(), nullptr);
                                 }},
                      MisuseCase{"empty name buffer",
                                 [](refhost::Document&, refhost::Object& object) {
                                   char buffer[1] = {'\x7f'};
                                   HOST_FN(MQObj_GetName)(object.handle(), buffer, 0);
                                   EXPECT_EQ(buffer[0], '\x7f') << "a zero size allows no byte";
                                 }},
                      MisuseCase{"object already in a document",
                                 [](refhost::Document& document, refhost::Object& object) {
                                   HOST_FN(MQDoc_InsertObject)
                                   (document.handle(), object.handle(), nullptr);
                                 }}),
    [](const ::testing::TestParamInfo<MisuseCase>& info) {
      std::string name = info.param.what;
      for (char& character : name) {
        if (character == ' ') character = '_';
      }
      return name;
    });

}  // namespace
