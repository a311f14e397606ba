#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/GltfBuilder.h"

// One asset with what real pipelines put in glTF files around morph targets:
//   mesh 0 "Face": a quad of indexed triangles whose positions are
//     interleaved with normals, a strip of 5 vertices without indices, and
//     a fan over the quad's own POSITION and target accessors; targets
//     "smile" (dense deltas) and "blink-left" (sparse, moving vertex 2 of the
//     quad; the strip has only a NORMAL delta), default weights, extras.
//   mesh 1, unnamed: lines and points, with one unnamed target.
//   mesh 2 "Face" again: one triangle.
//   Nodes showing meshes 0 (twice, one with weights), 1 and 2; an animation
//   on both of mesh 0's nodes' weights (linear and cubic spline) and on a
//   translation; a material with an extension, an image file, root extras.
inline GltfBuilder TestAsset() {
  GltfBuilder b;
  const std::vector<MQPoint> quad = {
      {0.1f, 0.2f, 0.3f}, {1.7f, 0.2f, 0.3f}, {1.7f, 1.9f, 0.3f}, {0.1f, 1.9f, 0.3f}};
  std::vector<MQPoint> interleaved;
  for (const MQPoint& p : quad) interleaved.insert(interleaved.end(), {p, {0, 0, 1}});
  const int view = b.View(interleaved, 24);
  const int quadPositions = b.Accessor(view, 5126, 4, "VEC3");
  b.Bound(quadPositions, quad);
  const int normals = b.Accessor(view, 5126, 4, "VEC3", 12);
  const int smileQuad = b.Points({{0.3f, 0.05f, 0}, {-0.3f, 0.05f, 0}, {0, 0.7f, 0.1f}, {0, 0, 0}});
  const int blinkQuad =
      b.Add("accessors",
            {{"componentType", 5126},
             {"count", 4},
             {"type", "VEC3"},
             {"min", {0, -0.35, 0}},
             {"max", {0, 0, 0}},
             {"sparse",
              {{"count", 1},
               {"indices",
                {{"bufferView", b.View(std::vector<std::uint8_t>{2})}, {"componentType", 5121}}},
               {"values", {{"bufferView", b.View(std::vector<MQPoint>{{0, -0.35f, 0}})}}}}}});
  const std::vector<MQPoint> strip = {
      {2, 0, 0}, {3, 0, 0}, {2.5f, 1, 0}, {3.5f, 1, 0}, {3, 2, 0.25f}};
  const int stripPositions = b.Points(strip);
  const int smileStrip =
      b.Points({{0.1f, 0, 0}, {0.1f, 0, 0}, {0.2f, 0.1f, 0}, {0.2f, 0.1f, 0}, {0.3f, 0.3f, 0.1f}});
  const int stripNormals = b.Points(std::vector<MQPoint>(5, MQPoint{0, 0, 1}));
  const int normalDeltas = b.Points(std::vector<MQPoint>(5, MQPoint{0, 0, 0}));
  const int quadIndices =
      b.Accessor(b.View(std::vector<std::uint16_t>{0, 1, 2, 0, 2, 3}), 5123, 6, "SCALAR");
  const int fanIndices =
      b.Accessor(b.View(std::vector<std::uint8_t>{0, 1, 2, 3}), 5121, 4, "SCALAR");
  const refhost::GltfJson quadTargets = {{{"POSITION", smileQuad}}, {{"POSITION", blinkQuad}}};
  b.Add("meshes", {{"name", "Face"},
                   {"weights", {0.5, 0}},
                   {"extras", {{"targetNames", {"smile", "blink-left"}}, {"rig", "v2"}}},
                   {"primitives",
                    {{{"attributes", {{"POSITION", quadPositions}, {"NORMAL", normals}}},
                      {"indices", quadIndices},
                      {"material", 0},
                      {"targets", quadTargets}},
                     {{"attributes", {{"POSITION", stripPositions}, {"NORMAL", stripNormals}}},
                      {"mode", 5},
                      {"targets", {{{"POSITION", smileStrip}}, {{"NORMAL", normalDeltas}}}}},
                     {{"attributes", {{"POSITION", quadPositions}}},
                      {"indices", fanIndices},
                      {"mode", 6},
                      {"targets", quadTargets}}}}});
  const int lines = b.Points({{0, 0, 5}, {1, 0, 5}, {1, 1, 5}, {0, 1, 5}});
  const int lift = b.Points({{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}});
  const int points = b.Points({{4, 4, 4}, {5, 5, 5}});
  const int liftPoints = b.Points({{0, 1, 0}, {0, 1, 0}});
  b.Add(
      "meshes",
      {{"primitives",
        {{{"attributes", {{"POSITION", lines}}}, {"mode", 1}, {"targets", {{{"POSITION", lift}}}}},
         {{"attributes", {{"POSITION", points}}},
          {"mode", 0},
          {"targets", {{{"POSITION", liftPoints}}}}}}}});
  b.Add("meshes",
        {{"name", "Face"},
         {"primitives",
          {{{"attributes", {{"POSITION", b.Points({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}})}}}}}}});
  b.json["nodes"] = {{{"name", "head"}, {"mesh", 0}, {"weights", {0.5, 0}}},
                     {{"mesh", 1}},
                     {{"mesh", 0}, {"translation", {2, 0, 0}}},
                     {{"mesh", 2}}};
  b.json["scene"] = 0;
  b.json["scenes"] = {{{"nodes", {0, 1, 2, 3}}}};
  const int times = b.Accessor(b.View(std::vector<float>{0, 1}), 5126, 2, "SCALAR");
  b.json["accessors"][static_cast<std::size_t>(times)]["min"] = {0};
  b.json["accessors"][static_cast<std::size_t>(times)]["max"] = {1};
  const int linear = b.Accessor(b.View(std::vector<float>{0, 0, 1, 0.25f}), 5126, 4, "SCALAR");
  const int cubic = b.Accessor(b.View(std::vector<float>{0, 0, 0.5f, 0, 0, 0, 0, 0, 1, 1, 0, 0}),
                               5126, 12, "SCALAR");
  const int moves = b.Accessor(b.View(std::vector<float>{2, 0, 0, 2, 1, 0}), 5126, 2, "VEC3");
  b.json["animations"] = {
      {{"name", "talk"},
       {"channels",
        {{{"sampler", 0}, {"target", {{"node", 0}, {"path", "weights"}}}},
         {{"sampler", 1}, {"target", {{"node", 2}, {"path", "weights"}}}},
         {{"sampler", 2}, {"target", {{"node", 2}, {"path", "translation"}}}}}},
       {"samplers",
        {{{"input", times}, {"output", linear}},
         {{"input", times}, {"output", cubic}, {"interpolation", "CUBICSPLINE"}},
         {{"input", times}, {"output", moves}}}}}};
  b.json["materials"] = {
      {{"name", "skin"}, {"extensions", {{"KHR_materials_unlit", refhost::GltfJson::object()}}}}};
  b.json["extensionsUsed"] = {"KHR_materials_unlit"};
  b.json["images"] = {{{"uri", "skin.png"}}};
  b.json["textures"] = {{{"source", 0}}};
  b.json["extras"] = {{"pipeline", "test"}};
  return b;
}

// A 1 x 1 PNG, so that validating the asset finds its image.
inline std::string TinyPng() {
  static const unsigned char kBytes[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
      0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
      0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0B, 0x49, 0x44, 0x41, 0x54, 0x78,
      0x9C, 0x63, 0xF8, 0x0F, 0x04, 0x00, 0x09, 0xFB, 0x03, 0xFD, 0xFB, 0x5E, 0x6B, 0x2B,
      0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  return std::string(reinterpret_cast<const char*>(kBytes), sizeof kBytes);
}
