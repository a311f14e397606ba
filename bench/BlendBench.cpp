#include <benchmark/benchmark.h>

#include <vector>

#include "bench/BlendBenchmarks.h"
#include "bench/support/BlendArithmetic.h"
#include "bench/support/BlendCases.h"
#include "bench/support/BlendScene.h"
#include "bench/support/Counters.h"
#include "merge/WeightedBlend.h"
#include "plugin/HostFunctionTable.h"

// AddWeightedDelta beside its two floors: the same host calls made by a bare
// loop (the protocol floor) and the same arithmetic over plain arrays (the
// raw floor). Floors with two targets are what the whole merge is held to.
namespace {

constexpr double kWeight = 0.5;

// What AddWeightedDelta asks of the host, and nothing more: the validity
// test, both vertex counts, then per vertex the reference count, two reads
// and, where the target differs, a read and a write of the copy.
void ProtocolBlend(float weight, MQDocument document, MQObject copy, MQObject base,
                   MQObject target) {
  if (HOST_FN(MQDoc_GetObjectIndex)(document, target) < 0) return;
  const int vertexCount = HOST_FN(MQObj_GetVertexCount)(base);
  if (HOST_FN(MQObj_GetVertexCount)(target) != vertexCount) return;
  const auto getRefCount = HOST_FN(MQObj_GetVertexRefCount);
  const auto getVertex = HOST_FN(MQObj_GetVertex);
  const auto setVertex = HOST_FN(MQObj_SetVertex);
  for (int index = 0; index < vertexCount; ++index) {
    if (getRefCount(base, index) < 1) continue;
    MQPoint b{};
    MQPoint t{};
    getVertex(base, index, &b);
    getVertex(target, index, &t);
    if (bench::SamePosition(b, t)) continue;
    MQPoint p{};
    getVertex(copy, index, &p);
    bench::AddOffset(p, b, t, weight);
    setVertex(copy, index, &p);
  }
}

// The scene's meshes as plain arrays.
struct RawMeshes {
  std::vector<int> refCounts;
  std::vector<MQPoint> base;
  std::vector<std::vector<MQPoint>> targets;
  std::vector<MQPoint> copy;
};

RawMeshes CopyToArrays(const bench::BlendScene& scene) {
  RawMeshes meshes;
  for (int index = 0; index < scene.base->VertexCount(); ++index) {
    meshes.refCounts.push_back(scene.base->RefCount(index));
  }
  meshes.base = scene.base->vertices();
  for (const refhost::Object* target : scene.targets) meshes.targets.push_back(target->vertices());
  meshes.copy = meshes.base;
  return meshes;
}

void RawBlend(float weight, RawMeshes& meshes, const std::vector<MQPoint>& target) {
  const int vertexCount = static_cast<int>(meshes.base.size());
  for (int index = 0; index < vertexCount; ++index) {
    if (meshes.refCounts[index] < 1) continue;
    const MQPoint& b = meshes.base[index];
    const MQPoint& t = target[index];
    if (bench::SamePosition(b, t)) continue;
    bench::AddOffset(meshes.copy[index], b, t, weight);
  }
}

}  // namespace

namespace bench {

void BM_AddWeightedDelta(benchmark::State& state) {
  if (!BindHostTable()) return state.SkipWithError("the reference host lacks a function");
  const BlendCase blend(state);
  const BlendScene scene = MakeBlendScene(blend.vertices, blend.movedPercent, 1);
  const cmq::CMQObject base = HandleOf(scene, *scene.base);
  const cmq::CMQObject target = HandleOf(scene, *scene.targets.front());
  const cmq::CMQObject copy = base.Clone();
  for (auto _ : state) {
    benchmark::DoNotOptimize(AddWeightedDelta(kWeight, copy, base, target));
  }
  CountTimePer(state, "per_vertex", blend.vertices);
}

void BM_ProtocolFloor(benchmark::State& state) {
  if (!BindHostTable()) return state.SkipWithError("the reference host lacks a function");
  const BlendCase blend(state);
  const BlendScene scene = MakeBlendScene(blend.vertices, blend.movedPercent, blend.targets);
  const MQDocument document = scene.document->handle();
  const MQObject copy = HOST_FN(MQObj_Clone)(scene.base->handle());
  const float weight = static_cast<float>(kWeight);
  for (auto _ : state) {
    for (const refhost::Object* target : scene.targets) {
      ProtocolBlend(weight, document, copy, scene.base->handle(), target->handle());
    }
  }
  CountTimePer(state, "per_vertex", blend.vertices);
}

void BM_RawFloor(benchmark::State& state) {
  const BlendCase blend(state);
  RawMeshes meshes =
      CopyToArrays(MakeBlendScene(blend.vertices, blend.movedPercent, blend.targets));
  const float weight = static_cast<float>(kWeight);
  for (auto _ : state) {
    for (const std::vector<MQPoint>& target : meshes.targets) RawBlend(weight, meshes, target);
    benchmark::DoNotOptimize(meshes.copy.data());
    benchmark::ClobberMemory();
  }
  CountTimePer(state, "per_vertex", blend.vertices);
}

}  // namespace bench
