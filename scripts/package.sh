#!/usr/bin/env bash
# Builds the release archives, Windows (cross-compiled) and Linux, with
# CMake's default generator and without tests or benchmarks, as unity builds
# like the main job's (so a name that two files of a library share is caught
# here too), into
# build/package/: Blendforge-<version>-win64.zip and Blendforge-<version>-Linux.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

package() {
  local build_dir=$1
  shift
  cmake -S . -B "$build_dir" -G "Unix Makefiles" -DCMAKE_BUILD_TYPE=Release \
    -DBLENDFORGE_BUILD_TESTS=OFF -DBLENDFORGE_WARNINGS_AS_ERRORS=ON -DCMAKE_UNITY_BUILD=ON \
    -DCPACK_PACKAGE_DIRECTORY="$PWD/build/package" "$@" >/dev/null
  cmake --build "$build_dir" --parallel 2 --target package
}

package build/release-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
package build/release-linux
ls build/package/Blendforge-*
