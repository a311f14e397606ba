#pragma once

#include <cstdint>
#include <vector>

#include "refhost/preview/PreviewMesh.h"
#include "refhost/preview/Vec3.h"

namespace refhost::preview {

// The normals of some of a mesh's vertices: per vertex, the sum of the area
// vectors of the faces around its position, pointing to the side from which
// the faces wind counter-clockwise, a large face counting for more than a
// sliver beside it. Weighting by area rather than by corner angle needs no
// arc cosine, whose result differs between maths libraries. Vertices at one
// position, as files split them along texture seams, share one sum, so that
// a seam does not show as a crease. The sums are left unnormalized.
class VertexNormals {
 public:
  // The normals of `vertices` (which may repeat). A dense model draws few of
  // its vertices, so only the faces that touch one of those are summed, and
  // nothing is kept per vertex of the mesh but a flag: fresh memory is what
  // costs most on a model of millions of vertices.
  VertexNormals(const PreviewMesh& mesh, const std::vector<int>& vertices);

  // A zero vector for a vertex that was not asked for.
  Vec3 Of(int vertex) const;

 private:
  std::uint8_t Wanted(int vertex) const { return wanted_[static_cast<std::size_t>(vertex)]; }
  void SumFaces(const PreviewMesh& mesh);
  void JoinCopies(const PreviewMesh& mesh);

  std::vector<std::uint64_t> wanted_;  // a bit per vertex of the mesh
  std::vector<std::uint8_t> flags_;
  std::vector<int> vertices_;  // the wanted vertices, ascending
  std::vector<Vec3> sums_;     // theirs, in that order
};

}  // namespace refhost::preview
