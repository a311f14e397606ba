#!/usr/bin/env bash
# Builds the native Release benchmarks and runs them all in one go, then
# prints a table of the figures with the targets met or missed; the table is
# also written to BUILD_DIR/bench-summary.md beside the JSON results.
#   BUILD_DIR  build folder (default build/bench)
#   MIN_TIME   --benchmark_min_time in seconds per benchmark (default 0.3)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build/bench}
min_time=${MIN_TIME:-0.3}
programs=(blend_bench discovery_bench objfile_bench preview_bench)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBLENDFORGE_BUILD_BENCHMARKS=ON -DBLENDFORGE_BUILD_TESTS=OFF \
  -DBLENDFORGE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build_dir" --parallel 2 --target "${programs[@]}"

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
results=()
for program in "${programs[@]}"; do
  result="$build_dir/$program.json"
  "$build_dir/bin/$program" --benchmark_min_time="$min_time" \
    --benchmark_out="$result" --benchmark_out_format=json
  results+=("$result")
done

{
  echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)"
  echo "Load average before the run: $load_before"
  echo
  bench/summarize.py "${results[@]}"
} | tee "$build_dir/bench-summary.md"
