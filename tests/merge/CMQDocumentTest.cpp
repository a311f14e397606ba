#include <gtest/gtest.h>

#include "merge/CMQDocument.h"
#include "tests/support/HostDocumentTest.h"
#include "tests/support/MeshBuilder.h"

namespace {

class CMQDocumentTest : public HostDocumentTest {
 protected:
  cmq::CMQDocument wrapper() { return cmq::CMQDocument(document().handle()); }
};

TEST_F(CMQDocumentTest, CurrentObjectIsLookedUpByTheCurrentIndex) {
  AddMeshOfSize(document(), "first", 1);
  AddMeshOfSize(document(), "second", 1);
  document().SetCurrentIndex(1);

  const cmq::CMQObject current = wrapper().GetCurrentObject();
  EXPECT_EQ(current.document(), document().handle());
  EXPECT_EQ(current.GetName(), "second");
}

TEST_F(CMQDocumentTest, NoCurrentObjectGivesAnInvalidHandleOfTheDocument) {
  AddMeshOfSize(document(), "body", 1);
  document().SetCurrentIndex(-1);

  const cmq::CMQObject current = wrapper().GetCurrentObject();
  EXPECT_EQ(current.document(), document().handle()) << "lookups always carry the document";
  EXPECT_EQ(current.object(), nullptr) << "there is no object at a negative index";
  EXPECT_FALSE(current.IsValid());
}

TEST_F(CMQDocumentTest, EmptyPositionGivesNullObject) {
  document().AddEmptyPosition();
  EXPECT_EQ(wrapper().GetObjectAt(0).object(), nullptr);
  EXPECT_EQ(wrapper().GetObjectAt(0).document(), document().handle());
}

TEST_F(CMQDocumentTest, UniqueIDFindsTheObjectAndUnknownIDFindsNone) {
  AddMeshOfSize(document(), "first", 1);
  refhost::Object& second = AddMeshOfSize(document(), "second", 1);

  EXPECT_EQ(wrapper().GetObjectFromUniqueID(second.uniqueID()).GetName(), "second");
  EXPECT_EQ(wrapper().GetObjectFromUniqueID(0).object(), nullptr) << "unique IDs start at 1";
}

}  // namespace
