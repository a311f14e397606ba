#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "refhost/document/FinitePosition.h"

namespace {

constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// The test reads the floats' exponent bits a block at a time; the first
// flaw must still be found wherever it sits, and the extremes of finite
// floats are no flaw.
TEST(FinitePositionTest, FindsTheFirstNonFinitePointAcrossBlocks) {
  std::vector<MQPoint> points(3000, MQPoint{std::numeric_limits<float>::max(), -0.0f,
                                            std::numeric_limits<float>::denorm_min()});
  EXPECT_EQ(refhost::FirstNonFinite(points.data(), points.size()), points.size());
  points[2999].z = -kInf;
  EXPECT_EQ(refhost::FirstNonFinite(points.data(), points.size()), 2999u) << "the last one";
  points[1500].y = kNaN;
  points[1700].x = kInf;
  EXPECT_EQ(refhost::FirstNonFinite(points.data(), points.size()), 1500u) << "the first of three";
  EXPECT_EQ(refhost::FirstNonFinite(points.data(), 1500), 1500u) << "none within the count";
  EXPECT_EQ(refhost::FirstNonFinite(points.data(), 0), 0u);
}

}  // namespace
