#!/usr/bin/env bash
# Installs what a fresh machine lacks. With no argument: everything to build,
# test and package both platforms, and the glTF validator the tests run; with
# "demo": only what the main job builds.
set -euo pipefail
cd "$(dirname "$0")/.."

demo_packages=(cmake ninja-build g++ libcli11-dev libstb-dev libutfcpp-dev fonts-dejavu-core
  libfast-float-dev libtinygltf-dev nlohmann-json3-dev)
packages=("${demo_packages[@]}" googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix wine wine64 clang clang-format clang-tidy libclang-rt-14-dev valgrind icoutils
  nodejs python3-dev pybind11-dev python3-numpy python3-pytest python3-distributed)
[[ ${1:-} == demo ]] && packages=("${demo_packages[@]}")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The Khronos glTF validator and the avatar reader the tests load avatars
# with, at the versions their lock files pin (npm comes with nodejs).
if [[ ${1:-} != demo && ! -d tools/gltf-validator/node_modules/gltf-validator ]]; then
  echo "setup: installing the glTF validator"
  npm ci --prefix tools/gltf-validator --no-audit --no-fund >/dev/null
fi
if [[ ${1:-} != demo && ! -d tools/vrm-reader/node_modules/@pixiv/three-vrm ]]; then
  echo "setup: installing the avatar reader"
  npm ci --prefix tools/vrm-reader --no-audit --no-fund >/dev/null
fi
