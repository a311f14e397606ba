#include <benchmark/benchmark.h>

#include "bench/BlendBenchmarks.h"
#include "bench/support/BlendCases.h"

// Each measurement runs right beside its floors, so that a change in the
// machine's load between them skews their ratio as little as possible.
namespace {

void Register(const char* name, void (*function)(benchmark::State&), int vertices, int moved,
              int targets) {
  benchmark::RegisterBenchmark(name, function)
      ->Args({vertices, moved, targets})
      ->ArgNames({"vertices", "moved_pct", "targets"})
      ->Unit(benchmark::kMicrosecond);
}

bool RegisterBlendCases() {
  for (int vertices : bench::kBlendSizes) {
    for (int moved : bench::kMovedPercents) {
      Register("BM_AddWeightedDelta", bench::BM_AddWeightedDelta, vertices, moved, 1);
      Register("BM_ProtocolFloor", bench::BM_ProtocolFloor, vertices, moved, 1);
      Register("BM_RawFloor", bench::BM_RawFloor, vertices, moved, 1);
      Register("BM_MergeCommand", bench::BM_MergeCommand, vertices, moved, 2);
      Register("BM_ProtocolFloor", bench::BM_ProtocolFloor, vertices, moved, 2);
      Register("BM_RawFloor", bench::BM_RawFloor, vertices, moved, 2);
    }
  }
  return true;
}

const bool kRegistered = RegisterBlendCases();

}  // namespace
