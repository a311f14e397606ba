#!/usr/bin/env bash
# Reliability run: the whole native suite under AddressSanitizer and UBSan,
# the end-to-end programs under valgrind's memcheck, and every fuzzer for a
# bounded time. Stops at the first finding with a non-zero exit status.
#
# Build folders and the time per fuzzer can be chosen, e.g.
#   FUZZ_SECONDS=60 SANITIZE_DIR=build/my-asan scripts/reliability.sh
set -euo pipefail
cd "$(dirname "$0")/.."

SANITIZE_DIR=${SANITIZE_DIR:-build/sanitize}
VALGRIND_DIR=${VALGRIND_DIR:-build/native}
FUZZ_DIR=${FUZZ_DIR:-build/fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
JOBS=${JOBS:-2}
FUZZERS=(option_block_fuzzer morph_naming_fuzzer text_conversion_fuzzer
         value_list_reader_fuzzer obj_reader_fuzzer gltf_reader_fuzzer)
END_TO_END_PROGRAMS=(e2e_tests hostile_tests)

step() { printf '\n== %s\n' "$*"; }

step "sanitizers: build and run the native suite in $SANITIZE_DIR"
cmake --preset sanitize -B "$SANITIZE_DIR" >/dev/null
cmake --build "$SANITIZE_DIR" -j "$JOBS"
ctest --preset sanitize --test-dir "$SANITIZE_DIR" -j "$JOBS"

step "valgrind: the end-to-end programs in $VALGRIND_DIR"
cmake --preset native -B "$VALGRIND_DIR" >/dev/null
cmake --build "$VALGRIND_DIR" -j "$JOBS" --target "${END_TO_END_PROGRAMS[@]}"
for program in "${END_TO_END_PROGRAMS[@]}"; do
  (cd "$VALGRIND_DIR/bin" &&
    LANG=C.UTF-8 LC_ALL=C.UTF-8 valgrind --tool=memcheck --error-exitcode=1 --leak-check=full \
      --errors-for-leak-kinds=definite,indirect,possible --show-leak-kinds=definite,indirect,possible \
      --track-origins=yes --quiet "./$program" --gtest_brief=1)
done

step "fuzzers: ${FUZZ_SECONDS}s each, built with clang in $FUZZ_DIR"
cmake --preset fuzz -B "$FUZZ_DIR" >/dev/null
cmake --build "$FUZZ_DIR" -j "$JOBS" --target "${FUZZERS[@]}"
findings="$FUZZ_DIR/findings"
mkdir -p "$findings"
for fuzzer in "${FUZZERS[@]}"; do
  # Grow a scratch copy, so that the seeds in the repository stay as they are.
  corpus="$FUZZ_DIR/corpus/$fuzzer"
  mkdir -p "$corpus"
  cp -n fuzz/corpus/"$fuzzer"/* "$corpus"/
  log="$findings/$fuzzer.log"
  echo "-- $fuzzer (log: $log)"
  if ! LANG=C.UTF-8 LC_ALL=C.UTF-8 "$FUZZ_DIR/bin/$fuzzer" -max_total_time="$FUZZ_SECONDS" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$fuzzer-" "$corpus" >"$log" 2>&1; then
    cat "$log"
    echo "$fuzzer found a failure; the input is in $findings/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
done

step "no finding"
