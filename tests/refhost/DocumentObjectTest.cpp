#include <gtest/gtest.h>

#include <stdexcept>

#include "refhost/Object.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"

namespace {

class DocumentObjectTest : public HostTest {
 protected:
  refhost::Document& document = referenceHost().NewDocument();
};

TEST_F(DocumentObjectTest, CloneCopiesEverythingButIdentityAndStaysIndependent) {
  refhost::Object& base = AddUsedMesh(document, "body", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  base.AddVertex({0, 0, 0});
  base.AddTextureCoord({0.25f, 0.75f});
  base.SetVisible(0);
  base.SetIntValue(kObjectValueCopied, 77);

  refhost::Object& copy = referenceHost().CloneObject(base);
  EXPECT_EQ(copy.name(), "body");
  EXPECT_EQ(copy.faces().size(), 1u);
  EXPECT_EQ(copy.textureCoords(), base.textureCoords());
  EXPECT_EQ(copy.RefCount(0), 1) << "reference counts come with the faces";
  EXPECT_EQ(copy.RefCount(3), 0) << "an unused vertex stays unused";
  EXPECT_EQ(copy.visible(), 0u);
  EXPECT_EQ(copy.IntValue(kObjectValueCopied), 77);
  EXPECT_NE(copy.uniqueID(), base.uniqueID()) << "a clone is a new object";
  EXPECT_EQ(copy.document(), nullptr) << "a clone is in no document until inserted";
  EXPECT_EQ(copy.index(), -1);

  copy.SetVertex(0, {10, 20, 30});
  copy.SetName("copy");
  EXPECT_EQ(BitsOf(base.Vertex(0)), BitsOf(MQPoint{1, 2, 3}))
      << "the clone must not share vertices";
  EXPECT_EQ(base.name(), "body") << "the clone must not share its name";
}

TEST_F(DocumentObjectTest, RefCountCountsFaceCorners) {
  refhost::Object& object = document.AddObject("quads");
  for (int i = 0; i < 5; ++i) object.AddVertex({0, 0, 0});
  object.AddFace({{0, 1, 2}, {}});
  object.AddFace({{0, 2, 3}, {}});

  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 0), 2) << "two faces use vertex 0";
  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 1), 1);
  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 4), 0) << "no face uses vertex 4";
}

TEST_F(DocumentObjectTest, FaceWithABadCornerIsRefused) {
  refhost::Object& object = document.AddObject("one");
  object.AddVertex({0, 0, 0});

  EXPECT_THROW(object.AddFace({{0, 1}, {}}), std::out_of_range);
  EXPECT_THROW(object.AddFace({{0}, {0, 0}}), std::invalid_argument);
  EXPECT_EQ(object.RefCount(0), 0) << "a refused face must not count";
}

TEST_F(DocumentObjectTest, UniqueIDIsReadOnly) {
  refhost::Object& object = document.AddObject("fixed");
  const int id = object.uniqueID();

  object.SetIntValue(kObjectValueUniqueID, id + 10);
  HOST_FN(MQObj_SetIntValue)(object.handle(), kObjectValueUniqueID, id + 20);
  EXPECT_EQ(HOST_FN(MQObj_GetIntValue)(object.handle(), kObjectValueUniqueID), id);
  EXPECT_EQ(referenceHost().misuses().size(), 1u) << "writing the ID is the plug-in's mistake";
}

}  // namespace
