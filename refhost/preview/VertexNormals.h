#pragma once

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
  // its vertices, so only the faces that touch one of those are summed.
  VertexNormals(const PreviewMesh& mesh, const std::vector<int>& vertices);

  // A zero vector for a vertex that was not asked for.
  Vec3 Of(int vertex) const {
    const int place = places_[static_cast<std::size_t>(vertex)];
    return place < 0 ? Vec3{} : sums_[static_cast<std::size_t>(place)];
  }

 private:
  void SumFaces(const PreviewMesh& mesh);
  void JoinCopies(const PreviewMesh& mesh);

  std::vector<int> places_;    // per vertex of the mesh, its place in sums_, or -1
  std::vector<int> vertices_;  // per place, its vertex
  std::vector<Vec3> sums_;
};

}  // namespace refhost::preview
