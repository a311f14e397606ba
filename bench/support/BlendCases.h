#pragma once

#include <benchmark/benchmark.h>

// The blend cases: base size, the share of vertices the targets move, and
// how many targets are blended in.
namespace bench {

inline constexpr int kBlendSizes[] = {10'000, 100'000, 1'000'000};
inline constexpr int kMovedPercents[] = {100, 10, 0};

struct BlendCase {
  explicit BlendCase(const benchmark::State& state)
      : vertices(static_cast<int>(state.range(0))),
        movedPercent(static_cast<int>(state.range(1))),
        targets(static_cast<int>(state.range(2))) {}

  int vertices;
  int movedPercent;
  int targets;
};

}  // namespace bench
