#!/usr/bin/env bash
# The main job: sets up the machine, builds the plug-in and the batch tool
# (release, nothing else), and lets the plug-in merge two morph targets of the
# sample model, with the dialog answered from the command line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh demo
cmake --preset release >/dev/null
cmake --build --preset release

bin=build/release/bin
output=build/release/face.merged.obj
preview=build/release/face.merged.png

echo "== refhost info"
"$bin/refhost" info "$bin/Blendforge.so"

echo "== refhost run: 80% smile + 100% blink of the sample head, samples/face.obj"
status=0
"$bin/refhost" run "$bin/Blendforge.so" samples/face.obj -o "$output" \
  --list 1=elem:smile-head --list 2=elem:blink-head --spin 1=80 --spin 2=100 \
  --edit 2=elem:mix-head --press OK --preview "$preview" || status=$?
if ((status != 0)); then
  echo "demo: refhost run ended with status $status; no merged model was written" >&2
  exit "$status"
fi
echo "demo: the merged model is in $output, its preview in $preview"

# Everything the sample holds comes back, plus the new object's statements.
statements() {
  awk 'NF { kind = ($1 ~ /^#/) ? "#" : $1; count[kind]++ }
       END { for (kind in count) print kind, count[kind] }' "$1" | sort
}
echo "== statements by kind: samples/face.obj, then $output"
join -a 1 -a 2 -e 0 -o 0,1.2,2.2 <(statements samples/face.obj) <(statements "$output") |
  awk '{ printf "  %-7s %5d %5d\n", $1, $2, $3 }'
