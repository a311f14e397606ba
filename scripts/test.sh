#!/usr/bin/env bash
# Sets up, builds and runs every test suite: the format and clang-tidy checks,
# native, then Windows under wine, then the release archives (built with CMake's default generator) unpacked
# and tried, then the sanitizer, valgrind and bounded fuzzing runs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh native windows
scripts/tidy.sh
ctest --preset native
ctest --preset windows
scripts/check-exports.sh build/windows/bin/Blendforge.dll
scripts/package.sh
scripts/check-package.sh
scripts/reliability.sh
