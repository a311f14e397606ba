#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

// The blend cases: base sizes, the share of vertices the targets move, and
// how many targets are blended in.
namespace bench {

struct BlendCase {
  explicit BlendCase(const benchmark::State& state)
      : vertices(static_cast<int>(state.range(0))),
        movedPercent(static_cast<int>(state.range(1))),
        targets(static_cast<int>(state.range(2))) {}

  int vertices;
  int movedPercent;
  int targets;
};

inline void BlendCasesWith(benchmark::internal::Benchmark* benchmark,
                           const std::vector<std::int64_t>& targetCounts) {
  benchmark->ArgNames({"vertices", "moved_pct", "targets"});
  benchmark->ArgsProduct({{10'000, 100'000, 1'000'000}, {100, 10, 0}, targetCounts});
}

// AddWeightedDelta blends one target per call.
inline void BlendCases(benchmark::internal::Benchmark* benchmark) {
  BlendCasesWith(benchmark, {1});
}
// The merge command blends two.
inline void MergeCases(benchmark::internal::Benchmark* benchmark) {
  BlendCasesWith(benchmark, {2});
}
// The floors, beside both.
inline void FloorCases(benchmark::internal::Benchmark* benchmark) {
  BlendCasesWith(benchmark, {1, 2});
}

}  // namespace bench
