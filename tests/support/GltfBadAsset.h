#pragma once

#include <functional>
#include <ostream>
#include <vector>

#include "tests/support/GltfBuilder.h"

// glTF assets spoilt one way each, for the tests of how bad input is refused:
// a Triangle, spoilt by `spoil` before it is written as `file`.
struct BadAsset {
  const char* name;
  std::function<void(GltfBuilder&)> spoil;
  const char* message;  // after "FILE: "
  const char* file = "bad.gltf";
};
inline void PrintTo(const BadAsset& bad, std::ostream* out) { *out << bad.name; }

// A triangle with indices and one morph target.
inline GltfBuilder Triangle(const std::vector<MQPoint>& points = {
                                {0, 0, 0}, {1, 0, 0}, {0, 1, 0}}) {
  GltfBuilder b;
  const int positions = b.Points(points);
  const int indices = b.Accessor(b.View(std::vector<std::uint16_t>{0, 1, 2}), 5123, 3, "SCALAR");
  const int delta = b.Points({{0, 0, 1}, {0, 0, 1}, {0, 0, 1}});
  b.Add("meshes", {{"name", "tri"},
                   {"primitives",
                    {{{"attributes", {{"POSITION", positions}}},
                      {"indices", indices},
                      {"targets", {{{"POSITION", delta}}}}}}}});
  return b;
}

// The triangle's one primitive.
inline refhost::GltfJson& Primitive(GltfBuilder& b) { return b.json["meshes"][0]["primitives"][0]; }
