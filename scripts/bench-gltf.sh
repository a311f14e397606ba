#!/usr/bin/env bash
# Times refhost's merge on two binary glTF assets, a face rig
# (bench/face_rig_gltf.py) and the 1,000 x 1,000 grid (bench/grid_gltf.py),
# each generated once per build folder, against the floor of reading the
# input's bytes and writing the output's with a flush, against
# `gltf-transform copy` as the peer for the file work and, on the face rig,
# against Debian's blender doing the same merge (bench/blender_gltf_mix.py).
# Every job runs RUNS times, interleaved, under /usr/bin/time -v; the tables
# give the medians, then a verdict per goal, also written to
# BUILD_DIR/bench-gltf.md. Installs glTF-Transform into tools/gltf-transform/
# and blender with apt-get where they are missing.
#   BUILD_DIR  Release build folder with bin/refhost and bin/Blendforge.so
#              (default build/bench, which scripts/bench.sh builds)
#   RUNS       runs of each job (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build/bench}
runs=${RUNS:-5}
refhost=$build_dir/bin/refhost
plugin=$build_dir/bin/Blendforge.so
transform=tools/gltf-transform/node_modules/.bin/gltf-transform
[[ -x $refhost && -f $plugin ]] || {
  echo "bench-gltf: $refhost or $plugin is missing; scripts/bench.sh builds them" >&2
  exit 1
}

# DIR PACKAGE: the npm tool in DIR at its lock file's versions, unless PACKAGE is there.
npm_tool() {
  [[ -d $1/node_modules/$2 ]] || npm ci --prefix "$1" --no-audit --no-fund >/dev/null
}
npm_tool tools/gltf-transform @gltf-transform/cli
npm_tool tools/gltf-validator gltf-validator

install_blender() {
  command -v blender >/dev/null && return
  echo "bench-gltf: installing blender" >&2
  local sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq blender python3-numpy >/dev/null
}
install_blender || echo "bench-gltf: blender could not be installed" >&2

# DIR JOB RUN COMMAND...: one run under /usr/bin/time -v with its stdout
# dropped; what it printed to stderr and its wall time in ns (finer than
# time's 10 ms) go to DIR/JOB.RUN.txt.
timed() {
  local log=$1/$2.$3.txt
  shift 3
  local start
  start=$(date +%s%N)
  /usr/bin/time -v "$@" >/dev/null 2>"$log" || { tail -5 "$log" >&2; exit 1; }
  echo "wall ns: $(($(date +%s%N) - start))" >>"$log"
}

# PEER DIR RUN INPUT: one timed run of a peer on INPUT.
peer() {
  case $1 in
    transform) timed "$2" transform "$3" "$transform" copy "$4" "$2/transform.glb" ;;
    blender)
      if command -v blender >/dev/null; then
        timed "$2" blender "$3" blender -b --factory-startup --python-exit-code 1 \
          --python bench/blender_gltf_mix.py -- "$4" "$2/blender.glb"
      else
        echo "not installed" >"$2/blender.skipped"
      fi
      ;;
  esac
}

# ASSET TITLE ANSWERS PEERS GENERATOR...: generates BUILD_DIR/ASSET.glb when
# missing, times the jobs on it into BUILD_DIR/gltf-bench/ASSET/ and prints
# its section. ANSWERS names the array of refhost's dialog answers.
bench_asset() {
  local asset=$1 title=$2 peers=$4
  local -n answers=$3
  shift 4
  local input=$build_dir/$asset.glb dir=$build_dir/gltf-bench/$asset
  [[ -f $input ]] || { "$@" >"$input.part" && mv "$input.part" "$input"; }
  rm -rf "$dir"
  mkdir -p "$dir"
  # Warm-up: the input in the page cache, as for every timed run after it,
  # and the output whose bytes the floor writes.
  cat "$input" >/dev/null
  "$refhost" run "$plugin" "$input" -o "$dir/refhost.glb" "${answers[@]}" >/dev/null
  for ((run = 1; run <= runs; ++run)); do
    timed "$dir" read "$run" cat "$input"
    rm -f "$dir/scratch"
    timed "$dir" write "$run" dd if="$dir/refhost.glb" of="$dir/scratch" bs=1M conv=fsync
    timed "$dir" refhost "$run" "$refhost" run "$plugin" "$input" -o "$dir/refhost.glb" \
      "${answers[@]}" --verbose
    for name in $peers; do peer "$name" "$dir" "$run" "$input"; done
  done
  rm "$dir/scratch"
  node tools/gltf-validator/validate.js "$dir/refhost.glb" >"$dir/validator.txt" 2>&1 || true
  /usr/bin/python3 bench/gltf_verdicts.py "$title" "$input" "$dir"
}

face_answers=(--list 1=elem:shape00-Face --list 2=elem:shape01-Face --spin 1=50 --spin 2=150
  --edit 2=elem:mix-Face --press OK)
grid_answers=(--list 1=elem:t1-body --list 2=elem:t2-body --edit 2=elem:mix-body --press OK)

{
  echo "Machine: $(nproc) cores, load average before the run: $(cut -d' ' -f1-3 /proc/loadavg); medians of $runs runs"
  echo
  bench_asset face-rig "glTF face rig" face_answers "transform blender" /usr/bin/python3 bench/face_rig_gltf.py
  echo
  bench_asset grid "glTF 1M grid" grid_answers transform bench/grid_gltf.py 1000
} | tee "$build_dir/bench-gltf.md"
