#include <gtest/gtest.h>

#include <stdexcept>

#include "refhost/document/Object.h"
#include "tests/support/HostFixture.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ObjectDump.h"

namespace {

class DocumentObjectTest : public HostTest {
 protected:
  refhost::Document& document = referenceHost().NewDocument();
};

TEST_F(DocumentObjectTest, CloneCopiesEverythingButIdentityAndStaysIndependent) {
  refhost::Object& base = AddUsedMesh(document, "body", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  base.AddVertex({0, 0, 0});
  base.SetExtras(1, {{0.5f, 0.25f, 1}, 3});
  const refhost::SurfaceStyle style{document.materials().Intern("skin"),
                                    document.groups().Intern("head"), 2};
  base.AddElement(refhost::ElementKind::Face, {{0, 4, 7}, {1, 5, 7}, {2, 6, 7}}, style);
  base.AddElement(refhost::ElementKind::Line, CornersOn({0, 1}), style);
  base.AddElement(refhost::ElementKind::Point, CornersOn({2}));
  base.SetVisible(0);
  base.SetIntValue(kObjectValueCopied, 77);

  refhost::Object& copy = referenceHost().CloneObject(base);
  EXPECT_EQ(DumpObject(document, copy), DumpObject(document, base))
      << "the copy must have the base's positions, extras, elements, corners and styles";
  EXPECT_EQ(copy.RefCount(0), 3) << "reference counts come with the elements";
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

  const ObjectDump baseBefore = DumpObject(document, base);
  copy.AddVertex({5, 5, 5});
  copy.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 4}));
  EXPECT_EQ(DumpObject(document, base), baseBefore) << "the clone must not share elements";
  EXPECT_EQ(base.RefCount(0), 3) << "nor reference counts";
  base.AddElement(refhost::ElementKind::Point, CornersOn({3}));
  EXPECT_EQ(copy.RefCount(3), 0) << "nor share what its source adds later";
  EXPECT_EQ(copy.faces().Count(), 3);
}

TEST_F(DocumentObjectTest, RefCountCountsCornersOfFacesLinesAndPoints) {
  refhost::Object& object = document.AddObject("quads");
  for (int i = 0; i < 7; ++i) object.AddVertex({0, 0, 0});
  object.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 2}));
  object.AddElement(refhost::ElementKind::Face, CornersOn({0, 2, 3}));
  object.AddElement(refhost::ElementKind::Line, CornersOn({4, 5}));
  object.AddElement(refhost::ElementKind::Point, CornersOn({5}));

  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 0), 2) << "two faces use vertex 0";
  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 1), 1);
  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 4), 1)
      << "a vertex of a line is in use, so a blend moves it";
  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 5), 2)
      << "a line and a point both use vertex 5";
  EXPECT_EQ(HOST_FN(MQObj_GetVertexRefCount)(object.handle(), 6), 0) << "nothing uses vertex 6";
}

// A reader reserves before it adds; reserving must neither add anything nor
// reach into the topology that a clone still shares with its source.
TEST_F(DocumentObjectTest, ReservingAddsNothingAndLeavesASharedSourceAlone) {
  refhost::Object& base = AddUsedMesh(document, "body", {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
  const ObjectDump baseBefore = DumpObject(document, base);
  refhost::Object& copy = referenceHost().CloneObject(base);
  const ObjectDump copyBefore = DumpObject(document, copy);

  copy.ReserveVertices(100);
  for (refhost::ElementKind kind : refhost::kElementKinds) copy.ReserveElements(kind, 50, 150);
  EXPECT_EQ(DumpObject(document, copy), copyBefore) << "reserving must add no vertex or element";

  copy.AddVertex({0, 0, 0});
  copy.AddElement(refhost::ElementKind::Face, CornersOn({0, 1, 3}));
  EXPECT_EQ(copy.RefCount(3), 1) << "a vertex added after reserving is counted";
  EXPECT_EQ(copy.RefCount(0), base.RefCount(0) + 1) << "reference counts stay exact";
  EXPECT_EQ(DumpObject(document, base), baseBefore) << "the source must not see the clone's change";
}

TEST_F(DocumentObjectTest, ElementWithABadCornerIsRefused) {
  refhost::Object& object = document.AddObject("one");
  object.AddVertex({0, 0, 0});

  for (refhost::ElementKind kind : refhost::kElementKinds)
    EXPECT_THROW(object.AddElement(kind, CornersOn({0, 1})), std::out_of_range);
  EXPECT_EQ(object.RefCount(0), 0) << "a refused element must not count";
  EXPECT_EQ(object.faces().Count(), 0) << "a refused element must not be kept";
}

// Styles are kept as runs of elements that share one.
TEST_F(DocumentObjectTest, EachElementKeepsItsOwnStyle) {
  refhost::Object& object = document.AddObject("patches");
  object.AddVertex({0, 0, 0});
  const refhost::SurfaceStyle plain;
  const refhost::SurfaceStyle skin{document.materials().Intern("skin"), -1, 1};
  const refhost::SurfaceStyle smooth{-1, -1, 1};
  const refhost::SurfaceStyle styles[] = {skin, skin, plain, skin, smooth, smooth, plain};
  for (const refhost::SurfaceStyle& style : styles)
    object.AddElement(refhost::ElementKind::Point, CornersOn({0}), style);

  const refhost::ElementList& points = object.elements(refhost::ElementKind::Point);
  for (int point = 0; point < 7; ++point)
    EXPECT_TRUE(points.StyleOf(point) == styles[point])
        << "point " << point << " took another's style";
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
