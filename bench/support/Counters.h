#pragma once

#include <benchmark/benchmark.h>

namespace bench {

// Seconds per item (vertex, object), from the items one iteration handles.
inline void CountTimePer(benchmark::State& state, const char* counter, double itemsPerIteration) {
  state.counters[counter] =
      benchmark::Counter(itemsPerIteration, benchmark::Counter::kIsIterationInvariantRate |
                                                benchmark::Counter::kInvert);
}

}  // namespace bench
