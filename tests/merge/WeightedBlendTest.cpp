#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "merge/WeightedBlend.h"
#include "tests/support/HostDocumentTest.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ReferenceBlend.h"

namespace {

class WeightedBlendTest : public HostDocumentTest {
 protected:
  // A base, its copy as the command makes it, and targets of the same size.
  void MakeBase(const std::vector<MQPoint>& points) {
    base = HandleOf(document(), AddUsedMesh(document(), "body", points));
    newObject = base.Clone();
  }
  cmq::CMQObject AddTarget(const std::vector<MQPoint>& points) {
    return HandleOf(document(), AddUsedMesh(document(), "elem:t-body", points));
  }

  cmq::CMQObject base;
  cmq::CMQObject newObject;
};

TEST_F(WeightedBlendTest, WorkedExampleAddsBothOffsets) {
  MakeBase({{1, 2, 3}});
  const cmq::CMQObject target1 = AddTarget({{3, 2, 3}});
  const cmq::CMQObject target2 = AddTarget({{1, 4, 3}});

  EXPECT_TRUE(AddWeightedDelta(0.5, newObject, base, target1));
  EXPECT_EQ(BitsOf(VertexOf(newObject, 0)), BitsOf(MQPoint{2, 2, 3}));
  EXPECT_TRUE(AddWeightedDelta(1.0, newObject, base, target2));
  EXPECT_EQ(BitsOf(VertexOf(newObject, 0)), BitsOf(MQPoint{2, 4, 3}))
      << "the second call must build on what the first wrote";
}

TEST_F(WeightedBlendTest, TargetEqualToBaseLeavesTheCopyUntouched) {
  MakeBase({{1, 2, 3}});
  const cmq::CMQObject target1 = AddTarget({{3, 2, 3}});
  const cmq::CMQObject target2 = AddTarget({{1, 2, 3}});
  AddWeightedDelta(0.5, newObject, base, target1);
  referenceHost().SetRecording(true);

  EXPECT_TRUE(AddWeightedDelta(1.0, newObject, base, target2));
  EXPECT_EQ(BitsOf(VertexOf(newObject, 0)), BitsOf(MQPoint{2, 2, 3}));
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object()), 0)
      << "an unmoved vertex must cost no write";
}

class WeightPercentTest : public WeightedBlendTest, public ::testing::WithParamInterface<int> {};

TEST_P(WeightPercentTest, MatchesFloat32ReferenceBitForBit) {
  const std::vector<MQPoint> basePoints{{0.1f, -3.7f, 1e-3f}, {12.5f, 0.3f, -7.25f}};
  const std::vector<MQPoint> targetPoints{{2.3f, -3.6f, -1e-3f}, {-0.7f, 0.31f, 100.125f}};
  MakeBase(basePoints);
  const cmq::CMQObject target = AddTarget(targetPoints);
  const double weight = GetParam() / 100.0;

  ASSERT_TRUE(AddWeightedDelta(weight, newObject, base, target));
  for (int i = 0; i < 2; ++i) {
    const MQPoint expected =
        ReferenceBlend(basePoints[i], basePoints[i], targetPoints[i], static_cast<float>(weight));
    EXPECT_EQ(BitsOf(VertexOf(newObject, i)), BitsOf(expected))
        << "vertex " << i << ": the blend must round each step to float32";
  }
}

INSTANTIATE_TEST_SUITE_P(Percentages, WeightPercentTest, ::testing::Values(0, 10, -50, 150, 200));

TEST_F(WeightedBlendTest, TenPercentUsesTheFloatNearestToOneTenth) {
  MakeBase({{1, 1, 1}});
  const cmq::CMQObject target = AddTarget({{10, 1, 1}});

  AddWeightedDelta(0.1, newObject, base, target);
  const float x = VertexOf(newObject, 0).x;
  EXPECT_EQ(BitsOf(x), BitsOf(1.0f + 9.0f * 0.1f)) << "the weight is rounded to float once";
  EXPECT_NE(BitsOf(x), BitsOf(1.0f + static_cast<float>(9.0f * 0.1)))
      << "a product with the double weight would round differently here";
}

TEST_F(WeightedBlendTest, ZeroWeightStillReadsAndWritesMovedVertices) {
  MakeBase({{1, 2, 3}, {4, 5, 6}});
  const cmq::CMQObject target = AddTarget({{1, 2, 3}, {9, 9, 9}});
  referenceHost().SetRecording(true);

  AddWeightedDelta(0.0, newObject, base, target);
  EXPECT_EQ(BitsOf(VertexOf(newObject, 1)), BitsOf(MQPoint{4, 5, 6}))
      << "a zero offset must leave finite coordinates as they were";
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object(), 1), 1)
      << "where the target differs, the vertex is written whatever the weight";
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object(), 0), 0);
}

TEST_F(WeightedBlendTest, SameTargetTwiceAddsItsOffsetTwice) {
  const MQPoint b{1.5f, -2.25f, 0.1f};
  const MQPoint t{3.1f, -2.0f, 0.7f};
  MakeBase({b});
  const cmq::CMQObject target = AddTarget({t});

  AddWeightedDelta(0.3, newObject, base, target);
  AddWeightedDelta(-1.2, newObject, base, target);
  const MQPoint once = ReferenceBlend(b, b, t, static_cast<float>(0.3));
  EXPECT_EQ(BitsOf(VertexOf(newObject, 0)),
            BitsOf(ReferenceBlend(once, b, t, static_cast<float>(-1.2))))
      << "each call adds its own weighted offset to the previous result";
}

TEST_F(WeightedBlendTest, NaNCoordinateSpreadsOnlyToItsOwnAxis) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  MakeBase({{1, 2, 3}});
  const cmq::CMQObject target = AddTarget({{nan, 4, 7}});

  AddWeightedDelta(0.5, newObject, base, target);
  const MQPoint moved = VertexOf(newObject, 0);
  EXPECT_NE(moved.x, moved.x) << "NaN in the target's x must make x NaN";
  EXPECT_EQ(BitsOf(moved.y), BitsOf(3.0f)) << "y still gets its offset";
  EXPECT_EQ(BitsOf(moved.z), BitsOf(5.0f)) << "z still gets its offset";
}

TEST_F(WeightedBlendTest, NaNInTargetAloneMakesTheVertexDiffer) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  MakeBase({{1, 2, 3}});
  const cmq::CMQObject target = AddTarget({{1, 2, nan}});
  referenceHost().SetRecording(true);

  AddWeightedDelta(1.0, newObject, base, target);
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object(), 0), 1)
      << "a NaN never compares equal, so the vertex is processed";
}

TEST_F(WeightedBlendTest, SignOfZeroAloneCountsAsEqual) {
  MakeBase({{0.0f, 1, 2}});
  const cmq::CMQObject target = AddTarget({{-0.0f, 1, 2}});
  referenceHost().SetRecording(true);

  EXPECT_TRUE(AddWeightedDelta(1.0, newObject, base, target));
  EXPECT_EQ(CountCalls("MQObj_GetVertex", newObject.object()), 0)
      << "0.0 and -0.0 are equal floats: the vertex must be skipped";
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object()), 0);
}

TEST_F(WeightedBlendTest, UnusedBaseVertexKeepsItsPosition) {
  refhost::Object& baseObject = AddUsedMesh(document(), "body", {{1, 1, 1}});
  baseObject.AddVertex({5, 5, 5});
  base = HandleOf(document(), baseObject);
  newObject = base.Clone();
  const cmq::CMQObject target1 = AddTarget({{1, 1, 1}, {9, 9, 9}});
  const cmq::CMQObject target2 = AddTarget({{1, 1, 1}, {-9, -9, -9}});
  referenceHost().SetRecording(true);

  AddWeightedDelta(1.0, newObject, base, target1);
  AddWeightedDelta(1.0, newObject, base, target2);
  EXPECT_EQ(BitsOf(VertexOf(newObject, 1)), BitsOf(MQPoint{5, 5, 5}))
      << "only the base's reference counts decide which vertices move";
  EXPECT_EQ(CountCalls("MQObj_GetVertex", base.object(), 1), 0)
      << "an unused vertex costs one reference-count query and nothing more";
}

TEST_F(WeightedBlendTest, DisjointTargetsEachMoveTheirOwnVertices) {
  MakeBase({{0, 0, 0}, {1, 1, 1}});
  const cmq::CMQObject target1 = AddTarget({{0.25f, 0, 0}, {1, 1, 1}});
  const cmq::CMQObject target2 = AddTarget({{0, 0, 0}, {1, 3, 1}});

  AddWeightedDelta(1.0, newObject, base, target1);
  AddWeightedDelta(1.0, newObject, base, target2);
  EXPECT_EQ(BitsOf(VertexOf(newObject, 0)), BitsOf(MQPoint{0.25f, 0, 0}));
  EXPECT_EQ(BitsOf(VertexOf(newObject, 1)), BitsOf(MQPoint{1, 3, 1}))
      << "a target equal to the base at a vertex must leave the other's offset alone";
}

TEST_F(WeightedBlendTest, TargetOfAnotherVertexCountIsRefusedUnread) {
  MakeBase({{0, 0, 0}, {1, 1, 1}});
  const cmq::CMQObject shorter = AddTarget({{5, 5, 5}});
  const cmq::CMQObject longer = AddTarget({{5, 5, 5}, {6, 6, 6}, {7, 7, 7}});
  referenceHost().SetRecording(true);

  EXPECT_FALSE(AddWeightedDelta(1.0, newObject, base, shorter))
      << "a shorter target would be read past its last vertex";
  EXPECT_FALSE(AddWeightedDelta(1.0, newObject, base, longer));
  EXPECT_EQ(CountCalls("MQObj_GetVertex", base.object()), 0) << "nothing may be read";
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object()), 0) << "nothing may be written";
}

TEST_F(WeightedBlendTest, InvalidTargetIsRefusedUnread) {
  MakeBase({{0, 0, 0}});
  refhost::Object& removedObject = AddUsedMesh(document(), "elem:t-body", {{5, 5, 5}});
  const cmq::CMQObject removed = HandleOf(document(), removedObject);
  document().Remove(removedObject);
  referenceHost().SetRecording(true);

  EXPECT_FALSE(AddWeightedDelta(1.0, newObject, base, cmq::CMQObject()))
      << "an empty target contributes nothing";
  EXPECT_FALSE(AddWeightedDelta(1.0, newObject, base, removed))
      << "a target the document no longer holds contributes nothing";
  EXPECT_EQ(CountCalls("MQObj_GetVertex", base.object()), 0);
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object()), 0);
}

TEST_F(WeightedBlendTest, HostCallsPerVertexFollowWhereTheTargetDiffers) {
  MakeBase({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {3, 3, 3}});
  const cmq::CMQObject target = AddTarget({{0, 0, 0}, {1, 1, 5}, {2, 2, 2}, {3, 3, 3}});
  referenceHost().SetRecording(true);

  AddWeightedDelta(1.0, newObject, base, target);
  EXPECT_EQ(CountCalls("MQObj_GetVertexCount", base.object()), 1) << "read once, not per vertex";
  EXPECT_EQ(CountCalls("MQObj_GetVertexRefCount", base.object()), 4);
  EXPECT_EQ(CountCalls("MQObj_GetVertex", base.object()), 4);
  EXPECT_EQ(CountCalls("MQObj_GetVertex", target.object()), 4);
  EXPECT_EQ(CountCalls("MQObj_GetVertex", newObject.object()), 1)
      << "the copy is read only where the target differs";
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object(), 1), 1);
  EXPECT_EQ(CountCalls("MQObj_SetVertex", newObject.object()), 1)
      << "the copy is written only where the target differs";
}

}  // namespace
