#include <gtest/gtest.h>

#include <string>

#include "merge/CMQObject.h"
#include "tests/support/HostDocumentTest.h"
#include "tests/support/MeshBuilder.h"

namespace {

class CMQObjectTest : public HostDocumentTest {
 protected:
};

TEST_F(CMQObjectTest, EmptyHandleIsInvalidWithoutAskingTheHost) {
  const cmq::CMQObject empty;
  referenceHost().SetRecording(true);

  EXPECT_EQ(empty.object(), nullptr);
  EXPECT_EQ(empty.document(), nullptr);
  EXPECT_FALSE(empty.IsValid());
  EXPECT_TRUE(referenceHost().calls().empty()) << "an empty handle must not reach the host";
}

TEST_F(CMQObjectTest, HandleWithoutDocumentIsInvalidWithoutAskingTheHost) {
  const cmq::CMQObject held = HandleOf(document(), AddMeshOfSize(document(), "body", 1));
  const cmq::CMQObject orphan(held.object(), nullptr);
  referenceHost().SetRecording(true);

  EXPECT_FALSE(orphan.IsValid());
  EXPECT_TRUE(referenceHost().calls().empty()) << "without a document there is nothing to ask";
}

TEST_F(CMQObjectTest, RemovedObjectMakesTheHandleStale) {
  refhost::Object& object = AddMeshOfSize(document(), "body", 1);
  const cmq::CMQObject handle = HandleOf(document(), object);
  ASSERT_TRUE(handle.IsValid());

  document().Remove(object);
  EXPECT_NE(handle.object(), nullptr) << "the handle itself does not change";
  EXPECT_FALSE(handle.IsValid()) << "the document no longer holds the object";
}

TEST_F(CMQObjectTest, CloneIsInNoDocumentYetAndKeepsTheDocumentHandle) {
  const cmq::CMQObject base = HandleOf(document(), AddUsedMesh(document(), "body", {{1, 2, 3}}));

  const cmq::CMQObject copy = base.Clone();
  EXPECT_NE(copy.object(), base.object()) << "a clone is a new host object";
  EXPECT_EQ(copy.document(), base.document());
  EXPECT_FALSE(copy.IsValid()) << "the copy joins the document only when inserted";
  EXPECT_EQ(BitsOf(VertexOf(copy, 0)), BitsOf(MQPoint{1, 2, 3})) << "the copy keeps the geometry";
}

TEST_F(CMQObjectTest, GetNameReadsTheWholeName) {
  const cmq::CMQObject handle =
      HandleOf(document(), AddMeshOfSize(document(), "elem:smile-body", 1));
  EXPECT_EQ(handle.GetName(), "elem:smile-body");
}

TEST_F(CMQObjectTest, UnterminatedNameStopsAtTheBufferEnd) {
  const std::string longName(300, 'n');
  const cmq::CMQObject handle = HandleOf(document(), AddMeshOfSize(document(), longName, 1));
  referenceHost().faults().unterminatedNames = true;

  EXPECT_EQ(handle.GetName(), longName.substr(0, 250))
      << "without a terminator the name is the 250 bytes of the buffer, nothing beyond";
}

}  // namespace
