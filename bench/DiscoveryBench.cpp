#include <benchmark/benchmark.h>

#include <string>

#include "bench/support/Counters.h"
#include "bench/support/Meshes.h"
#include "bench/support/ReferenceHost.h"
#include "merge/Blendforge.h"
#include "merge/CMQDocument.h"

// Target discovery and unique naming over documents of many objects: the
// cost per object must not grow with the document.
namespace {

constexpr int kVertices = 8;
constexpr int kTargets = 3;
// Names elem:new-body, elem:new1-body ... that MakeUniqueTargetName must pass.
constexpr int kTakenNames = 16;

// Base "body" first, then ordinary objects, every third of them a target of
// another base, with the targets spread through the document and the taken
// names, if any, last, so that every name search crosses the whole document.
// Makes `plugin` work on it.
void MakeDocument(int objectCount, int takenNames, Blendforge& plugin) {
  refhost::Document& document = bench::FreshDocument();
  const refhost::Object& base = bench::AddPointCloud(document, "body", kVertices);
  const int ordinary = objectCount - 1 - kTargets - takenNames;
  const int spacing = ordinary / kTargets;
  for (int index = 0; index < ordinary; ++index) {
    const std::string number = std::to_string(index);
    const bool decoy = index % 3 == 0;
    bench::AddPointCloud(document, decoy ? "elem:m" + number + "-head" : "part" + number,
                         kVertices);
    if (index % spacing == spacing / 2 && index / spacing < kTargets) {
      bench::AddPointCloud(document, "elem:t" + number + "-body", kVertices);
    }
  }
  for (int taken = 0; taken < takenNames; ++taken) {
    const std::string counter = taken == 0 ? "" : std::to_string(taken);
    bench::AddPointCloud(document, "elem:new" + counter + "-body", kVertices);
  }
  plugin.document = cmq::CMQDocument(document.handle());
  plugin.base = plugin.document.GetObjectAt(base.index());
}

void BM_ListMorphTargets(benchmark::State& state) {
  if (!bench::BindHostTable()) return state.SkipWithError("the reference host lacks a function");
  const int objectCount = static_cast<int>(state.range(0));
  Blendforge plugin;
  MakeDocument(objectCount, 0, plugin);
  if (plugin.ListMorphTargets().size() != kTargets) return state.SkipWithError("wrong targets");
  for (auto _ : state) benchmark::DoNotOptimize(plugin.ListMorphTargets());
  bench::CountTimePer(state, "per_object", objectCount);
}

// Each candidate name is searched for through the whole document, so the
// cost grows with the taken names times the objects: it is counted per
// object and per candidate, for a fixed number of taken names.
void BM_MakeUniqueTargetName(benchmark::State& state) {
  if (!bench::BindHostTable()) return state.SkipWithError("the reference host lacks a function");
  const int objectCount = static_cast<int>(state.range(0));
  Blendforge plugin;
  MakeDocument(objectCount, kTakenNames, plugin);
  const std::string expected = "elem:new" + std::to_string(kTakenNames) + "-body";
  if (plugin.MakeUniqueTargetName("new") != expected) return state.SkipWithError("wrong name");
  for (auto _ : state) benchmark::DoNotOptimize(plugin.MakeUniqueTargetName("new"));
  bench::CountTimePer(state, "per_object", objectCount);
  bench::CountTimePer(state, "per_object_scan",
                      static_cast<double>(objectCount) * (kTakenNames + 1));
}

BENCHMARK(BM_ListMorphTargets)->ArgName("objects")->Arg(100)->Arg(1'000)->Arg(10'000);
BENCHMARK(BM_MakeUniqueTargetName)->ArgName("objects")->Arg(100)->Arg(1'000)->Arg(10'000);

}  // namespace
