#pragma once

#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/GltfBuilder.h"

// A head shaped the way modellers' glTF exporters write one: mesh 0 "Head"
// of two primitives with their own materials, each with normals, tangents,
// texture coordinates, joints and weights; morph targets "smile" (position,
// normal and tangent deltas), "blink" (sparse positions, normal and tangent
// deltas in the first primitive, positions only in the second) and
// "jaw-open" (positions only); a skin of one joint and an animation of the
// mesh's weights. The values are irregular, so that any other rounding of
// a blend shows in its bits.
class ExporterHeadAsset {
 public:
  static constexpr int kPrimitives = 2;

  ExporterHeadAsset() {
    b_.json["materials"] = {{{"name", "skin"}}, {{"name", "eyes"}}};
    refhost::GltfJson primitives = refhost::GltfJson::array();
    for (int p = 0; p < kPrimitives; ++p) primitives.push_back(Primitive(p));
    b_.Add("meshes", {{"name", "Head"},
                      {"weights", {0, 0, 0}},
                      {"extras", {{"targetNames", {"smile", "blink", "jaw-open"}}}},
                      {"primitives", primitives}});
    AddSkinAndAnimation();
  }

  GltfBuilder& builder() { return b_; }

  // The deltas of `attribute` in target `target` of primitive `primitive`,
  // empty where the target has none.
  const std::vector<MQPoint>& Deltas(int primitive, int target, const char* attribute) const {
    static const std::vector<MQPoint> kNone;
    const auto& deltas = deltas_[static_cast<std::size_t>(primitive)];
    const auto found = deltas.find(std::to_string(target) + attribute);
    return found == deltas.end() ? kNone : found->second;
  }

 private:
  // An irregular value in [-scale, scale], the same on every run.
  float Wiggle(float scale) {
    seed_ = seed_ * 1664525u + 1013904223u;
    return scale * (static_cast<float>(seed_ >> 8) / 8388608.0f - 1.0f);
  }
  MQPoint WigglePoint(float scale) { return {Wiggle(scale), Wiggle(scale), Wiggle(scale)}; }
  static MQPoint Unit(MQPoint v) {
    const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return {v.x / length, v.y / length, v.z / length};
  }

  std::vector<MQPoint> Grid(int primitive) {
    std::vector<MQPoint> points;
    points.reserve(kVertices);
    for (int row = 0; row < kRows; ++row)
      for (int column = 0; column < kColumns; ++column)
        points.push_back({static_cast<float>(column) * 0.1f + Wiggle(0.01f),
                          static_cast<float>(row) * 0.1f + Wiggle(0.01f),
                          static_cast<float>(primitive) * 0.3f + Wiggle(0.05f)});
    return points;
  }

  std::vector<std::uint16_t> Triangles() const {
    std::vector<std::uint16_t> indices;
    for (int row = 0; row + 1 < kRows; ++row)
      for (int column = 0; column + 1 < kColumns; ++column) {
        const auto at = static_cast<std::uint16_t>(row * kColumns + column);
        const auto up = static_cast<std::uint16_t>(at + kColumns);
        indices.insert(indices.end(),
                       {at, static_cast<std::uint16_t>(at + 1), up, up,
                        static_cast<std::uint16_t>(at + 1), static_cast<std::uint16_t>(up + 1)});
      }
    return indices;
  }

  int AddDeltas(int primitive, int target, const char* attribute, float scale) {
    std::vector<MQPoint> deltas(kVertices);
    for (MQPoint& delta : deltas) delta = WigglePoint(scale);
    deltas_[static_cast<std::size_t>(primitive)][std::to_string(target) + attribute] = deltas;
    return b_.Points(deltas);
  }

  // Moves two vertices only, stored sparse as exporters store small targets.
  int SparsePositions(int primitive, int target) {
    std::vector<MQPoint> deltas(kVertices, MQPoint{0, 0, 0});
    const std::vector<std::uint8_t> moved = {3, 4};
    std::vector<MQPoint> values;
    values.reserve(moved.size());
    for (std::uint8_t v : moved) values.push_back(deltas[v] = {0, Wiggle(0.004f), Wiggle(0.002f)});
    deltas_[static_cast<std::size_t>(primitive)][std::to_string(target) + "POSITION"] = deltas;
    const int accessor = b_.Add(
        "accessors", {{"componentType", 5126},
                      {"count", kVertices},
                      {"type", "VEC3"},
                      {"sparse",
                       {{"count", moved.size()},
                        {"indices", {{"bufferView", b_.View(moved)}, {"componentType", 5121}}},
                        {"values", {{"bufferView", b_.View(values)}}}}}});
    b_.Bound(accessor, deltas);
    return accessor;
  }

  refhost::GltfJson Primitive(int p) {
    std::vector<MQPoint> normals;
    std::vector<float> tangents, uvs, weights;
    for (int v = 0; v < kVertices; ++v) {
      normals.push_back(Unit({Wiggle(0.2f), Wiggle(0.2f), 1}));
      const MQPoint t = Unit({1, Wiggle(0.2f), Wiggle(0.2f)});
      tangents.insert(tangents.end(), {t.x, t.y, t.z, 1});
      uvs.insert(uvs.end(), {0.5f + Wiggle(0.5f), 0.5f + Wiggle(0.5f)});
      weights.insert(weights.end(), {1, 0, 0, 0});
    }
    const std::vector<std::uint8_t> joints(static_cast<std::size_t>(kVertices) * 4, 0);
    const std::vector<std::uint16_t> indices = Triangles();
    const refhost::GltfJson attributes = {
        {"POSITION", b_.Points(Grid(p))},
        {"NORMAL", b_.Accessor(b_.View(normals), 5126, kVertices, "VEC3")},
        {"TANGENT", b_.Accessor(b_.View(tangents), 5126, kVertices, "VEC4")},
        {"TEXCOORD_0", b_.Accessor(b_.View(uvs), 5126, kVertices, "VEC2")},
        {"JOINTS_0", b_.Accessor(b_.View(joints), 5121, kVertices, "VEC4")},
        {"WEIGHTS_0", b_.Accessor(b_.View(weights), 5126, kVertices, "VEC4")}};
    refhost::GltfJson targets = {
        {{"POSITION", AddDeltas(p, 0, "POSITION", 0.02f)},
         {"NORMAL", AddDeltas(p, 0, "NORMAL", 0.43f)},
         {"TANGENT", AddDeltas(p, 0, "TANGENT", 0.31f)}},
        p == 0 ? refhost::GltfJson{{"POSITION", SparsePositions(p, 1)},
                                   {"NORMAL", AddDeltas(p, 1, "NORMAL", 0.2f)},
                                   {"TANGENT", AddDeltas(p, 1, "TANGENT", 0.1f)}}
               : refhost::GltfJson{{"POSITION", SparsePositions(p, 1)}},
        {{"POSITION", AddDeltas(p, 2, "POSITION", 0.03f)}}};
    return {{"attributes", attributes},
            {"indices", b_.Accessor(b_.View(indices), 5123, indices.size(), "SCALAR")},
            {"material", p},
            {"targets", targets}};
  }

  void AddSkinAndAnimation() {
    const std::vector<float> identity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    b_.json["skins"] = {{{"joints", {1}},
                         {"inverseBindMatrices", b_.Accessor(b_.View(identity), 5126, 1, "MAT4")}}};
    b_.json["nodes"] = {{{"name", "Armature"}, {"children", {1, 2}}},
                        {{"name", "head_bone"}, {"translation", {0, 0.1, 0}}},
                        {{"name", "Head"}, {"mesh", 0}, {"skin", 0}}};
    b_.json["scene"] = 0;
    b_.json["scenes"] = {{{"nodes", {0}}}};
    const int times = b_.Accessor(b_.View(std::vector<float>{0, 1}), 5126, 2, "SCALAR");
    b_.json["accessors"][static_cast<std::size_t>(times)]["min"] = {0};
    b_.json["accessors"][static_cast<std::size_t>(times)]["max"] = {1};
    const int weights =
        b_.Accessor(b_.View(std::vector<float>{0, 0, 0, 1, 0.5f, 0.25f}), 5126, 6, "SCALAR");
    b_.json["animations"] = {
        {{"name", "talk"},
         {"channels", {{{"sampler", 0}, {"target", {{"node", 2}, {"path", "weights"}}}}}},
         {"samplers", {{{"input", times}, {"output", weights}}}}}};
  }

  static constexpr int kRows = 4, kColumns = 5, kVertices = kRows * kColumns;
  GltfBuilder b_;
  std::uint32_t seed_ = 20261209u;
  std::map<std::string, std::vector<MQPoint>> deltas_[kPrimitives];
};
