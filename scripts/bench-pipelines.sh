#!/usr/bin/env bash
# Times one job three or four ways in one run on one machine: COUNT small
# models (bench/grid_obj.py, SIDE x SIDE vertices with two targets) merged at
# 50% and 150% by COUNT `refhost run` processes, by one batch run with -j 2,
# by one Python process with the blendforge module (when it imports), and by
# one `blender -b --python` process looping over the same files (when blender
# is installed); each under /usr/bin/time -v for its wall time and peak memory.
#   BUILD_DIR  build folder with bin/refhost and bin/Blendforge.so (default build/release)
#   COUNT      models (default 1000);  SIDE  grid side (default 10)
#   PYTHON     the Python the module is built for (default /usr/bin/python3)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build/release}
count=${COUNT:-1000}
side=${SIDE:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
refhost="$build_dir/bin/refhost"
python=${PYTHON:-/usr/bin/python3}
export PYTHONPATH="$build_dir/python${PYTHONPATH:+:$PYTHONPATH}"
plugin="$build_dir/bin/Blendforge.so"
answers=(--list 1=elem:t1-body --list 2=elem:t2-body --spin 1=50 --spin 2=150
  --edit 2=elem:mix-body --press OK)

mkdir -p "$work/in"
bench/grid_obj.py "$side" >"$work/model.obj"
for ((index = 0; index < count; ++index)); do cp "$work/model.obj" "$work/in/m$index.obj"; done

# LABEL COMMAND...: wall seconds and peak kB into $work/LABEL.time.
timed() {
  local label=$1
  shift
  mkdir -p "$work/out-$label"
  /usr/bin/time -v "$@" >/dev/null 2>"$work/$label.time" || { tail -3 "$work/$label.time"; exit 1; }
}
seconds() { awk -F': ' '/Elapsed/ {n = split($2, p, ":"); s = 0; for (i = 1; i <= n; ++i) s = s * 60 + p[i]; print s}' "$work/$1.time"; }
peak() { awk -F': ' '/Maximum resident/ {print $2}' "$work/$1.time"; }

one_per_file() {
  for model in "$work"/in/*.obj; do
    "$refhost" run "$plugin" "$model" -o "$work/out-processes/$(basename "$model")" "${answers[@]}"
  done
}
export -f one_per_file
export work refhost plugin
timed processes bash -c "$(declare -p answers); one_per_file"
timed batch "$refhost" run "$plugin" "$work"/in/*.obj --output-dir "$work/out-batch" -j 2 "${answers[@]}"
rows=(processes batch)
if "$python" -c 'import blendforge' 2>/dev/null; then
  timed import "$python" -c "import blendforge; blendforge.load_plugin()"
  timed python "$python" -c "
import blendforge, glob, os, sys
plugin = blendforge.load_plugin()
for path in sorted(glob.glob('$work/in/*.obj')):
    model = blendforge.open(path)
    plugin.merge(model, 'body', ('elem:t1-body', 50), ('elem:t2-body', 150), name='elem:mix-body')
    model.save(os.path.join('$work/out-python', os.path.basename(path)))"
  rows+=(python)
else
  echo "python: skipped, 'import blendforge' fails here"
fi
if command -v blender >/dev/null; then
  timed blender blender -b --factory-startup --python bench/blender_mix.py -- "$work/in" "$work/out-blender"
  rows+=(blender)
else
  echo "blender: skipped, not installed"
fi

echo "| way | wall s | ms per file | peak MB | / one process per file |"
echo "|---|---:|---:|---:|---:|"
base=$(seconds processes)
for row in "${rows[@]}"; do
  awk -v r="$row" -v s="$(seconds "$row")" -v k="$(peak "$row")" -v b="$base" -v n="$count" \
    'BEGIN {printf "| %s | %.2f | %.2f | %.1f | %.2f |\n", r, s, s * 1000 / n, k / 1024, b / s}'
done

if [[ -f $work/import.time ]]; then
  echo "importing blendforge and loading the plug-in: $(seconds import) s, peak $(awk -v k="$(peak import)" 'BEGIN {printf "%.1f", k / 1024}') MB"
fi

# The goals, where both sides of each were measured.
verdict() {
  awk -v what="$1" -v ratio="$2" -v goal="$3" \
    'BEGIN {printf "%s: %.1fx (goal >= %gx) %s\n", what, ratio, goal, (ratio >= goal ? "met" : "missed")}'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {print a / b}'; }
if [[ " ${rows[*]} " == *" python "* ]]; then
  verdict "Python loop against one process per file, per file" "$(ratio "$base" "$(seconds python)")" 5
  if [[ " ${rows[*]} " == *" blender "* ]]; then
    verdict "Python loop against the blender loop, time" "$(ratio "$(seconds blender)" "$(seconds python)")" 20
    verdict "Python loop against the blender loop, peak memory" "$(ratio "$(peak blender)" "$(peak python)")" 10
  fi
fi
