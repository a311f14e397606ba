#pragma once

#include <benchmark/benchmark.h>

// The blend benchmarks; each takes the arguments of bench::BlendCase.
namespace bench {

// AddWeightedDelta called directly, one target.
void BM_AddWeightedDelta(benchmark::State& state);
// The same host calls and arithmetic, made by a bare loop.
void BM_ProtocolFloor(benchmark::State& state);
// The same arithmetic over plain arrays.
void BM_RawFloor(benchmark::State& state);
// The whole merge command through the plug-in module, two targets.
void BM_MergeCommand(benchmark::State& state);

}  // namespace bench
