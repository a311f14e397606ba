#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "abi/HostApi.h"
#include "tests/support/MeshBuilder.h"
#include "tests/support/ObjResolvedLines.h"
#include "tests/support/ReferenceBlend.h"

// Morph targets as a modeller exports applied shape keys: each target an
// object of its own with the base's faces and normals of its own, and after
// them an object whose faces name normals from before the targets and its own,
// by absolute and by relative numbers.
inline const char* const kMorphNormalsObj =
    "# shape keys, each with its own normals\n"
    "o body\n"
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nv 1 1 0.5\n"
    "vn 0 0 1\nvn 0.1 0 0.995\nvn 0 0.2 0.98\nvn 0.3 0.3 0.905\n"
    "f 1//1 2//2 3//3\nf 2//2 4//4 3//3\n"
    "o elem:smile-body\n"
    "v 0 0 0.25\nv 1 0 0\nv 0 1 0\nv 1 1 0.75\n"
    "vn 0.2 0.1 0.97\nvn 0.1 -0.3 0.95\nvn 0 0.2 0.98\nvn -0.4 0.3 0.87\n"
    "f 5//5 6//6 7//7\nf 6//6 8//8 7//7\n"
    "o elem:blink-body\n"
    "v 0 0 0\nv 1 0 -0.5\nv 0 1 0.125\nv 1 1 0.5\n"
    "vn 0 -0.1 0.99\nvn 0.33 0.01 0.94\nvn -0.7 0.2 0.68\nvn 0.3 0.3 0.905\n"
    "f 9//9 10//10 11//11\nf 10//10 12//12 11//11\n"
    "o hat\n"
    "v 0 0 2\nv 1 0 2\nv 0 1 2\n"
    "vn 0 1 0\n"
    "f 13//1 14//-1 -1//13\n";

// The normal that mixing the base's `n0` with `terms` (a target's normal and
// its weight) gives: n0 + w·(n − n0) term after term, divided by its length,
// in plain float32 arithmetic with every operation rounded on its own.
inline MQPoint ReferenceMixedNormal(const MQPoint& n0,
                                    const std::vector<std::pair<MQPoint, float>>& terms) {
  MQPoint sum = n0;
  for (const auto& [normal, weight] : terms) sum = ReferenceBlend(sum, n0, normal, weight);
  const float squares = sum.x * sum.x + sum.y * sum.y + sum.z * sum.z;
  const float length = std::sqrt(squares);
  return {sum.x / length, sum.y / length, sum.z / length};
}

// The normals that a mix of kMorphNormalsObj's body with its smile and blink
// targets at these weights gives its faces' corners, in order: each corner
// mixes the body's normal with the targets' normals at the same corner, four
// lines on in each target.
inline std::vector<MQPoint> ReferenceMorphNormals(float smile, float blink) {
  const std::vector<MQPoint> normals = NormalsOn(ObjLinesOf(kMorphNormalsObj));
  std::vector<MQPoint> mixed;
  for (int corner : {0, 1, 2, 1, 3, 2})
    mixed.push_back(ReferenceMixedNormal(
        normals[corner], {{normals[corner + 4], smile}, {normals[corner + 8], blink}}));
  return mixed;
}

inline void ExpectMixedNormals(const std::vector<MQPoint>& written,
                               const std::vector<MQPoint>& expected) {
  ASSERT_EQ(written.size(), expected.size()) << "the new object needs one normal per face corner";
  for (std::size_t at = 0; at < expected.size(); ++at)
    EXPECT_EQ(BitsOf(written[at]), BitsOf(expected[at]))
        << "corner " << at << "'s normal is not the float32 mix of the targets' normals";
}
