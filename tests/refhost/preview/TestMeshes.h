#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "refhost/preview/Image.h"
#include "refhost/preview/PreviewMesh.h"

// Meshes and pixel checks that the preview tests share.
namespace preview_test {

using refhost::preview::PreviewMesh;

// A flat square grid of quads in the x-z plane, `cells` on a side.
inline PreviewMesh Grid(int cells, std::string label) {
  PreviewMesh mesh;
  mesh.label = std::move(label);
  for (int z = 0; z <= cells; ++z) {
    for (int x = 0; x <= cells; ++x) mesh.positions.push_back({float(x), 0, float(z)});
  }
  mesh.faceStarts.push_back(0);
  for (int z = 0; z < cells; ++z) {
    for (int x = 0; x < cells; ++x) {
      const int corner = z * (cells + 1) + x;
      mesh.faceCorners.insert(mesh.faceCorners.end(),
                              {corner, corner + cells + 1, corner + cells + 2, corner + 1});
      mesh.faceStarts.push_back(static_cast<int>(mesh.faceCorners.size()));
    }
  }
  return mesh;
}

// Adds a part of the unit sphere around the origin to `mesh`: latitude
// `rings` from top to bottom, longitude from `from` to `to` (radians from +Z
// towards +X) in `segments`, as quads wound counter-clockwise seen from
// outside. Each vertex gets `heat`.
inline void AddSpherePatch(PreviewMesh& mesh, int rings, int segments, double from, double to,
                           float heat) {
  const double pi = std::acos(-1.0);
  const int first = static_cast<int>(mesh.positions.size());
  for (int ring = 0; ring <= rings; ++ring) {
    const double latitude = pi * ring / rings;
    for (int segment = 0; segment <= segments; ++segment) {
      const double longitude = from + (to - from) * segment / segments;
      mesh.positions.push_back({float(std::sin(latitude) * std::sin(longitude)),
                                float(std::cos(latitude)),
                                float(std::sin(latitude) * std::cos(longitude))});
      mesh.heat.push_back(heat);
    }
  }
  if (mesh.faceStarts.empty()) mesh.faceStarts.push_back(0);
  for (int ring = 0; ring < rings; ++ring) {
    for (int segment = 0; segment < segments; ++segment) {
      const int corner = first + ring * (segments + 1) + segment;
      mesh.faceCorners.insert(mesh.faceCorners.end(),
                              {corner, corner + segments + 1, corner + segments + 2, corner + 1});
      mesh.faceStarts.push_back(static_cast<int>(mesh.faceCorners.size()));
    }
  }
}

// A plain unit sphere whose one seam runs down its back.
inline PreviewMesh Sphere(int rings, int segments) {
  const double pi = std::acos(-1.0);
  PreviewMesh mesh;
  AddSpherePatch(mesh, rings, segments, -pi, pi, 0);
  mesh.heat.clear();
  return mesh;
}

// A head facing +Z: a sphere with a nose, its front half (z >= 0) marked by
// heat 1 and its back half by heat 0, as two halves, so that no face blends
// the two marks.
inline PreviewMesh MarkedHead() {
  const double pi = std::acos(-1.0);
  PreviewMesh mesh;
  AddSpherePatch(mesh, 24, 24, -pi / 2, pi / 2, 1);
  AddSpherePatch(mesh, 24, 24, pi / 2, 3 * pi / 2, 0);
  for (refhost::preview::Vec3& p : mesh.positions) {
    if (p.z > 0.97f) p.z += 0.3f;
  }
  return mesh;
}

inline bool SameColour(refhost::preview::Rgb a, refhost::preview::Rgb b) {
  return a.r == b.r && a.g == b.g && a.b == b.b;
}

}  // namespace preview_test
