#pragma once

#include <functional>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
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

// Every way the reader refuses an asset that it could parse as JSON, with
// its message.
inline const std::vector<BadAsset>& BadAssets() {
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  static const std::vector<BadAsset> assets = {
      BadAsset{
          "Draco",
          [](GltfBuilder& b) { b.json["extensionsUsed"] = {"KHR_draco_mesh_compression"}; },
          "/extensionsUsed/0: compressed geometry (KHR_draco_mesh_compression) cannot be read"},
      BadAsset{
          "Meshopt",
          [](GltfBuilder& b) { b.json["extensionsRequired"] = {"EXT_meshopt_compression"}; },
          "/extensionsRequired/0: compressed geometry (EXT_meshopt_compression) cannot be read"},
      BadAsset{
          "QuantizedPositions",
          [](GltfBuilder& b) { b.json["accessors"][0]["componentType"] = 5122; },
          "/accessors/0: positions are quantized (component type 5122); only float positions can "
          "be read"},
      BadAsset{"TargetCountsDisagree",
               [](GltfBuilder& b) {
                 refhost::GltfJson second = Primitive(b);
                 second.erase("targets");
                 b.json["meshes"][0]["primitives"].push_back(second);
               },
               "/meshes/0/primitives/1/targets: 0 morph targets, but primitive 0 has 1"},
      BadAsset{"MissingBuffer",
               [](GltfBuilder& b) {
                 b.json["buffers"] = {{{"byteLength", 4}, {"uri", "absent.bin"}}};
               },
               "/buffers/0/uri: cannot open buffer 'absent.bin'"},
      BadAsset{"BufferOfAnotherScheme",
               [](GltfBuilder& b) {
                 b.json["buffers"] = {{{"byteLength", 4}, {"uri", "https://example.com/a.bin"}}};
               },
               "/buffers/0/uri: 'https://example.com/a.bin' is no file beside the asset: only "
               "data: URIs and relative paths are read"},
      BadAsset{"BufferElsewhere",
               [](GltfBuilder& b) {
                 b.json["buffers"] = {{{"byteLength", 4}, {"uri", "/etc/hostname"}}};
               },
               "/buffers/0/uri: '/etc/hostname' is no file beside the asset: only data: URIs and "
               "relative paths are read"},
      BadAsset{"BufferIsAFolder",
               [](GltfBuilder& b) {
                 b.json["buffers"] = {{{"byteLength", 4}, {"uri", "."}}};
               },
               "/buffers/0/uri: buffer '.' is not a regular file"},
      BadAsset{"AccessorBeyondBuffer", [](GltfBuilder& b) { b.json["accessors"][0]["count"] = 9; },
               "/accessors/0: 9 elements of 12 bytes need 108 bytes, but buffer view 0 holds 36"},
      BadAsset{"HugeCount", [](GltfBuilder& b) { b.json["accessors"][2]["count"] = 2000000000; },
               "/accessors/2: 2000000000 elements of 12 bytes need 24000000000 bytes, but "
               "buffer view 2 holds 36"},
      BadAsset{"HugeCountOfZeros",
               [](GltfBuilder& b) {
                 b.json["accessors"][2].erase("bufferView");
                 b.json["accessors"][2]["count"] = 2000000000;
               },
               "/accessors/2: 2000000000 elements of 12 bytes need 24000000000 bytes, but the "
               "asset's buffers hold 80"},
      BadAsset{"CountBeyondAnySize",
               [](GltfBuilder& b) { b.json["accessors"][0]["count"] = std::uint64_t{1} << 62; },
               "/accessors/0: 4611686018427387904 elements of 12 bytes need more than "
               "18446744073709551615 bytes, but buffer view 0 holds 36"},
      BadAsset{"NodeMeshOfWrongType",
               [](GltfBuilder& b) {
                 b.json["nodes"] = {{{"mesh", 0}}, {{"mesh", "0"}}};
               },
               "/nodes/1/mesh: must be a whole number from 0, not string"},
      BadAsset{
          "ChannelNodeOfWrongType",
          [](GltfBuilder& b) {
            b.json["animations"] = {
                {{"channels", {{{"sampler", 0}, {"target", {{"node", "0"}, {"path", "weights"}}}}}},
                 {"samplers", {{{"input", 0}, {"output", 0}}}}}};
          },
          "/animations/0/channels/0/target/node: must be a whole number from 0, not string"},
      BadAsset{"PrimitiveWithoutAttributes",
               [](GltfBuilder& b) {
                 refhost::GltfJson second = Primitive(b);
                 second.erase("attributes");
                 b.json["meshes"][0]["primitives"].push_back(second);
               },
               "/meshes/0/primitives/1: has no \"attributes\" member"},
      BadAsset{"AvatarExpressionsOfWrongType",
               [](GltfBuilder& b) {
                 b.json["extensions"]["VRMC_vrm"] = {{"expressions", {{"custom", {"smile"}}}}};
               },
               "/extensions/VRMC_vrm/expressions/custom: must be an object, not array"},
      BadAsset{"OlderAvatarGroupNameOfWrongType",
               [](GltfBuilder& b) {
                 b.json["extensions"]["VRM"]["blendShapeMaster"]["blendShapeGroups"] = {
                     {{"name", "Joy"}}, {{"name", 7}}};
               },
               "/extensions/VRM/blendShapeMaster/blendShapeGroups/1/name: must be a string, not "
               "number"},
      BadAsset{"TargetNamesOfWrongType",
               [](GltfBuilder& b) { b.json["meshes"][0]["extras"]["targetNames"] = "smile"; },
               "/meshes/0/extras/targetNames: must be an array, not string"},
      BadAsset{"IndexBeyondVertices", [](GltfBuilder& b) { b.json["accessors"][0]["count"] = 2; },
               "/meshes/0/primitives/0/indices: index 2 is beyond the primitive's 2 vertices"},
      BadAsset{"NonFinitePosition",
               [](GltfBuilder& b) {
                 const std::vector<MQPoint> points = {{0, 0, 0}, {kInfinity, 0, 0}, {0, 1, 0}};
                 b.bin.replace(0, sizeof(MQPoint) * 3, reinterpret_cast<const char*>(points.data()),
                               sizeof(MQPoint) * 3);
               },
               "/accessors/0: element 1 is (inf, 0, 0), not a finite position"},
      BadAsset{
          "IndicesOfWrongType",
          [](GltfBuilder& b) { b.json["accessors"][1]["componentType"] = 5122; },
          "/meshes/0/primitives/0/indices: indices must be unsigned byte, short or int scalars "
          "(accessor 1)"},
      BadAsset{"NotAGltfAsset", [](GltfBuilder& b) { b.json.erase("asset"); },
               "not a glTF asset: it has no \"asset\" object"},
      BadAsset{"WrongVersion", [](GltfBuilder& b) { b.json["asset"]["version"] = "1.0"; },
               "/asset/version: glTF version '1.0' is not read; only 2.x is"},
      BadAsset{"UnknownMode", [](GltfBuilder& b) { Primitive(b)["mode"] = 7; },
               "/meshes/0/primitives/0/mode: unknown primitive mode 7"},
      BadAsset{"BinaryChunkTooShort",
               [](GltfBuilder& b) {
                 b.json["buffers"] = {{{"byteLength", b.bin.size()}}};
                 b.bin.resize(40);
               },
               "/buffers/0/byteLength: 80 bytes, but the binary chunk holds 40", "bad.glb"}};
  return assets;
}

inline const BadAsset& BadAssetNamed(const std::string& name) {
  for (const BadAsset& asset : BadAssets())
    if (asset.name == name) return asset;
  throw std::invalid_argument("no bad asset " + name);
}
