#!/usr/bin/env bash
# Builds the native Release benchmarks and runs them all in one go, then
# prints a table of the figures with the targets met or missed; the table is
# also written to BUILD_DIR/bench-summary.md beside the JSON results. Then runs
# the end-to-end job (refhost run on a generated 1,000 x 1,000 vertex grid with
# two targets, as OBJ and as binary glTF) and counts the instructions per host call of the merge under
# callgrind, and prints their tables too. Last, scripts/bench-gltf.sh times
# the glTF jobs against their floor and peers (its own BUILD_DIR/bench-gltf.md).
#   BUILD_DIR  build folder (default build/bench)
#   MIN_TIME   --benchmark_min_time in seconds per benchmark (default 0.3)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build/bench}
min_time=${MIN_TIME:-0.3}
programs=(blend_bench discovery_bench objfile_bench gltffile_bench preview_bench)

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBLENDFORGE_BUILD_BENCHMARKS=ON -DBLENDFORGE_BUILD_TESTS=OFF \
  -DBLENDFORGE_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build_dir" --parallel 2 --target "${programs[@]}" refhost_program Blendforge

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
results=()
for program in "${programs[@]}"; do
  result="$build_dir/$program.json"
  "$build_dir/bin/$program" --benchmark_min_time="$min_time" \
    --benchmark_out="$result" --benchmark_out_format=json
  results+=("$result")
done

# The end-to-end job, on the grid as OBJ and as binary glTF, each generated
# once per build folder: EXTENSION GENERATOR; the timings land in
# BUILD_DIR/endtoend-EXTENSION.txt.
end_to_end() {
  local grid="$build_dir/grid.$1"
  [[ -f "$grid" ]] || "$2" 1000 >"$grid"
  /usr/bin/time -v "$build_dir/bin/refhost" run "$build_dir/bin/Blendforge.so" "$grid" \
    -o "$build_dir/grid.merged.$1" --list 1=elem:t1-body --list 2=elem:t2-body --press OK \
    --verbose >/dev/null 2>"$build_dir/endtoend-$1.txt"
}
end_to_end obj bench/grid_obj.py
end_to_end glb bench/grid_gltf.py

# Instructions per host call: one merge command at 10,000 vertices.
calls="$build_dir/merge.callgrind"
valgrind --tool=callgrind --callgrind-out-file="$calls" "$build_dir/bin/blend_bench" \
  --benchmark_filter='BM_MergeCommand/vertices:10000/moved_pct:100/targets:2$' \
  --benchmark_min_time=0.01 >/dev/null 2>&1

{
  echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | xargs)"
  echo "Load average before the run: $load_before"
  echo
  bench/summarize.py "${results[@]}"
  echo
  echo "End to end: refhost run on the 1,000 x 1,000 grid with two targets"
  echo
  bench/endtoend.py "$build_dir/endtoend-obj.txt"
  echo
  echo "The same job on the grid as binary glTF (its targets as morph targets)"
  echo
  bench/endtoend.py "$build_dir/endtoend-glb.txt"
  echo
  echo "Instructions per host call, one merge command at 10,000 vertices (callgrind)"
  echo
  bench/callcost.py "$calls" MQObj_GetVertex MQObj_SetVertex MQObj_GetVertexRefCount \
    MQObj_GetVertexCount
} | tee "$build_dir/bench-summary.md"

BUILD_DIR="$build_dir" scripts/bench-gltf.sh
