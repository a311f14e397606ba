#!/usr/bin/env bash
# Fails on any source file that clang-format would change and on any finding
# of the clang-tidy checks in .clang-tidy: over every unit of the native
# build, and over the Windows-only units of the mingw build (clang reads them
# with the cross compiler's C++ library and the mingw headers). Needs both
# builds configured.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${sources[@]}"

log=$(mktemp)
trap 'rm -f "$log"' EXIT
tidy() {
  if ! run-clang-tidy -j "$(nproc)" -quiet "$@" >"$log" 2>&1; then
    grep -E '(error|warning): ' "$log" | sort -u >&2
    echo "tidy: clang-tidy found the faults above" >&2
    exit 1
  fi
}
project="$PWD/(abi|plugin|widgets|merge|platform|refhost|tests|bench|fuzz)/"
tidy -p build/native "$project"

# The mingw build's commands, as clang runs them for the same target.
cross=build/windows/tidy
mkdir -p "$cross"
sed -E 's#"[^" ]*x86_64-w64-mingw32-g\+\+[^" ]*#"clang++ --target=x86_64-w64-mingw32#;
        s#-fno-keep-inline-dllexport##g' build/windows/compile_commands.json >"$cross/compile_commands.json"
mingw_includes=()
while read -r folder; do
  mingw_includes+=("-extra-arg=-isystem$folder")
done < <(echo | x86_64-w64-mingw32-g++-posix -E -x c++ - -v 2>&1 |
  sed -n '/<...> search starts here/,/End of search list/p' | grep -E '^ .*(/c\+\+|mingw32/include)')
tidy -p "$cross" -extra-arg=-nostdinc++ "${mingw_includes[@]}" \
  -extra-arg=-Wno-unused-command-line-argument "$project(.*/)?windows/[^/]*\.cpp$"
echo "tidy: every file formatted, no clang-tidy finding"
