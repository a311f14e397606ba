#pragma once

#include <string>
#include <vector>

#include "refhost/preview/Vec3.h"

// What a preview draws of one object, copied out of whatever holds the model:
// positions, polygons, polylines and points, and optionally a value per
// vertex (how far it moved) to colour the surface by.
namespace refhost::preview {

struct PreviewMesh {
  std::string label;
  std::vector<Vec3> positions;
  std::vector<int> faceCorners;  // the corners of all faces, face after face
  std::vector<int> faceStarts;   // where each face's corners start, and the end
  std::vector<int> lineCorners;  // the same for polylines
  std::vector<int> lineStarts;
  std::vector<int> points;
  std::vector<float> heat;  // per vertex; empty draws the surface plain
};

}  // namespace refhost::preview
