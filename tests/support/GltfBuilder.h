#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "abi/HostApi.h"
#include "refhost/model/gltf/GltfContainer.h"
#include "refhost/model/gltf/GltfJson.h"
#include "refhost/model/gltf/GltfWriterBuffers.h"
#include "tests/support/TempDir.h"

// Builds glTF assets for tests: JSON and one binary buffer, written as a
// .gltf with the buffer beside it or embedded as a data URI, or as a .glb.
// Buffers that the JSON lists itself are kept as listed.
class GltfBuilder {
 public:
  enum class Storage { BinFile, DataUri, Glb };

  refhost::GltfJson json = {{"asset", {{"version", "2.0"}}}};
  std::string bin;

  template <typename T>
  int View(const std::vector<T>& values, int stride = 0) {
    bin.append((4 - bin.size() % 4) % 4, '\0');
    refhost::GltfJson view = {
        {"buffer", 0}, {"byteOffset", bin.size()}, {"byteLength", values.size() * sizeof(T)}};
    if (stride != 0) view["byteStride"] = stride;
    bin.append(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
    return Add("bufferViews", view);
  }
  int Accessor(int view, int componentType, std::size_t count, const char* type,
               std::size_t offset = 0) {
    return Add("accessors", {{"bufferView", view},
                             {"byteOffset", offset},
                             {"componentType", componentType},
                             {"count", count},
                             {"type", type}});
  }
  // A packed float VEC3 accessor with the bounds a POSITION needs.
  int Points(const std::vector<MQPoint>& points) {
    const int accessor = Accessor(View(points), 5126, points.size(), "VEC3");
    Bound(accessor, points);
    return accessor;
  }
  void Bound(int accessor, const std::vector<MQPoint>& points) {
    MQPoint low = points[0], high = points[0];
    for (const MQPoint& p : points) {
      low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
      high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    json["accessors"][static_cast<std::size_t>(accessor)]["min"] = {low.x, low.y, low.z};
    json["accessors"][static_cast<std::size_t>(accessor)]["max"] = {high.x, high.y, high.z};
  }
  int Add(const char* list, refhost::GltfJson item) {
    json[list].push_back(std::move(item));
    return static_cast<int>(json[list].size() - 1);
  }

  void Write(const std::filesystem::path& path, Storage storage) const {
    refhost::GltfJson asset = json;
    if (!asset.contains("buffers")) asset["buffers"] = {{{"byteLength", bin.size()}}};
    if (storage == Storage::Glb) {
      std::string bytes;
      const std::vector<std::string_view> chunk = {bin};
      refhost::WriteGlb(asset.dump(), &chunk, [&](std::string_view piece) { bytes += piece; });
      return TempDir::Write(path, bytes);
    }
    if (asset["buffers"][0].contains("uri")) return TempDir::Write(path, asset.dump(1));
    if (storage == Storage::BinFile) {
      asset["buffers"][0]["uri"] = path.stem().string() + ".bin";
      TempDir::Write(path.parent_path() / (path.stem().string() + ".bin"), bin);
    } else {
      asset["buffers"][0]["uri"] = refhost::DataUri(bin);
    }
    TempDir::Write(path, asset.dump(1));
  }
};
