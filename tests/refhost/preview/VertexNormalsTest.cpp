#include <gtest/gtest.h>

#include <cmath>

#include "refhost/preview/VertexNormals.h"
#include "tests/refhost/preview/TestMeshes.h"

namespace {

using refhost::preview::Dot;
using refhost::preview::Vec3;
using refhost::preview::VertexNormals;

double Cosine(Vec3 a, Vec3 b) {
  return Dot(a, b) / std::sqrt(double(Dot(a, a)) * double(Dot(b, b)));
}

std::vector<int> AllOf(const refhost::preview::PreviewMesh& mesh) {
  std::vector<int> vertices(mesh.positions.size());
  for (std::size_t v = 0; v < vertices.size(); ++v) vertices[v] = static_cast<int>(v);
  return vertices;
}

// On a sphere around the origin, every normal points outwards along the
// vertex's own position; a vertex left out stays zero.
TEST(VertexNormalsTest, PointOutOfASphereForTheWantedVerticesOnly) {
  const refhost::preview::PreviewMesh sphere = preview_test::Sphere(12, 24);
  std::vector<int> wanted;
  for (int v = 0; v < static_cast<int>(sphere.positions.size()); ++v) {
    if (v != 100) wanted.push_back(v);
  }
  const VertexNormals normals(sphere, wanted);
  for (int v : wanted) {
    EXPECT_GT(Cosine(normals.Of(v), sphere.positions[static_cast<std::size_t>(v)]), 0.99)
        << "vertex " << v << ": the normal does not point out of the sphere";
  }
  EXPECT_EQ(Dot(normals.Of(100), normals.Of(100)), 0) << "a vertex not asked for was worked out";
}

// Where a large face and a sliver meet at an edge, the vertices between them
// lean to the large face, so that a thin strip does not tilt the light.
TEST(VertexNormalsTest, LargeFacesCountForMoreThanSlivers) {
  refhost::preview::PreviewMesh hinge;
  // A 1 x 1 square in the x-y plane and a 0.01-wide strip bent up along x = 1.
  hinge.positions = {{0, 0, 0}, {1, 0, 0},         {1, 1, 0},
                     {0, 1, 0}, {1.01f, 0, 0.01f}, {1.01f, 1, 0.01f}};
  hinge.faceCorners = {0, 1, 2, 3, 1, 4, 5, 2};
  hinge.faceStarts = {0, 4, 8};
  const VertexNormals normals(hinge, AllOf(hinge));
  EXPECT_GT(Cosine(normals.Of(1), {0, 0, 1}), 0.99) << "the sliver tilted the shared vertex";
  EXPECT_GT(Cosine(normals.Of(4), {-1, 0, 1}), 0.99) << "the strip's own vertex takes its normal";
}

// Files split vertices along texture seams: the copies at one position must
// get the normal of the faces on both sides, or the seam shows as a crease.
TEST(VertexNormalsTest, CopiesOfAVertexShareTheFacesOfBothSides) {
  refhost::preview::PreviewMesh roof;
  // Two unit quads meeting at a ridge along x = 0, y = 1, each side's ridge
  // vertices its own copies (2, 3 and 4, 5).
  roof.positions = {{-1, 0, -1}, {-1, 0, 1}, {0, 1, 1}, {0, 1, -1},
                    {0, 1, 1},   {0, 1, -1}, {1, 0, 1}, {1, 0, -1}};
  roof.faceCorners = {0, 1, 2, 3, 5, 4, 6, 7};
  roof.faceStarts = {0, 4, 8};
  const VertexNormals normals(roof, AllOf(roof));
  for (int ridge : {2, 3, 4, 5}) {
    EXPECT_GT(Cosine(normals.Of(ridge), {0, 1, 0}), 0.9999)
        << "ridge vertex " << ridge << " sees the faces of one side only";
  }
  EXPECT_GT(Cosine(normals.Of(0), {-1, 1, 0}), 0.9999) << "an eave vertex takes its own face's";
}

}  // namespace
