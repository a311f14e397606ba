#include "refhost/preview/VertexNormals.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <tuple>

namespace refhost::preview {
namespace {

// Twice the polygon's area vector, as the sum of its fan of triangles.
Vec3 AreaVector(const std::vector<Vec3>& positions, const int* corners, int count) {
  Vec3 sum;
  const Vec3 first = positions[static_cast<std::size_t>(corners[0])];
  for (int corner = 1; corner + 1 < count; ++corner) {
    sum += Cross(positions[static_cast<std::size_t>(corners[corner])] - first,
                 positions[static_cast<std::size_t>(corners[corner + 1])] - first);
  }
  return sum;
}

// A wanted vertex's position by its bits, so that only copies of one point
// are joined, and its place among the wanted.
struct Placed {
  std::uint32_t x, y, z;
  std::size_t place;
  bool SamePoint(const Placed& other) const { return x == other.x && y == other.y && z == other.z; }
  bool operator<(const Placed& other) const {
    return std::tie(x, y, z, place) < std::tie(other.x, other.y, other.z, other.place);
  }
};

Placed PlacedAt(Vec3 position, std::size_t place) {
  position = {position.x + 0.0f, position.y + 0.0f, position.z + 0.0f};  // -0 is 0
  Placed placed{0, 0, 0, place};
  std::memcpy(&placed.x, &position.x, sizeof placed.x);
  std::memcpy(&placed.y, &position.y, sizeof placed.y);
  std::memcpy(&placed.z, &position.z, sizeof placed.z);
  return placed;
}

}  // namespace

VertexNormals::VertexNormals(const PreviewMesh& mesh, const std::vector<int>& vertices)
    : places_(mesh.positions.size(), -1) {
  for (int vertex : vertices) {
    int& place = places_[static_cast<std::size_t>(vertex)];
    if (place >= 0) continue;
    place = static_cast<int>(vertices_.size());
    vertices_.push_back(vertex);
  }
  sums_.resize(vertices_.size());
  SumFaces(mesh);
  JoinCopies(mesh);
}

void VertexNormals::SumFaces(const PreviewMesh& mesh) {
  for (std::size_t face = 0; face + 1 < mesh.faceStarts.size(); ++face) {
    const int* corners = mesh.faceCorners.data() + mesh.faceStarts[face];
    const int count = mesh.faceStarts[face + 1] - mesh.faceStarts[face];
    // -1, all bits set, where no corner has a place: one test, no branch
    // per corner.
    int untouched = -1;
    for (int corner = 0; corner < count; ++corner)
      untouched &= places_[static_cast<std::size_t>(corners[corner])];
    if (untouched == -1 || count < 3) continue;
    const Vec3 area = AreaVector(mesh.positions, corners, count);
    for (int corner = 0; corner < count; ++corner) {
      const int place = places_[static_cast<std::size_t>(corners[corner])];
      if (place >= 0) sums_[static_cast<std::size_t>(place)] += area;
    }
  }
}

// Copies are found by sorting the positions; each point's sum is added in
// the order of its vertices, so that every platform sums alike.
void VertexNormals::JoinCopies(const PreviewMesh& mesh) {
  std::vector<Placed> points;
  points.reserve(vertices_.size());
  for (std::size_t place = 0; place < vertices_.size(); ++place)
    points.push_back(PlacedAt(mesh.positions[static_cast<std::size_t>(vertices_[place])], place));
  std::sort(points.begin(), points.end());
  for (std::size_t first = 0, end = 0; first < points.size(); first = end) {
    Vec3 sum;
    for (end = first; end < points.size() && points[end].SamePoint(points[first]); ++end)
      sum += sums_[points[end].place];
    if (end - first == 1) continue;
    for (std::size_t copy = first; copy < end; ++copy) sums_[points[copy].place] = sum;
  }
}

}  // namespace refhost::preview
