#!/usr/bin/env bash
# Installs what a fresh machine lacks. With no argument: everything to build,
# test and package both platforms; with "demo": only what the main job builds.
set -euo pipefail

demo_packages=(cmake ninja-build g++ libcli11-dev libstb-dev libfast-float-dev)
packages=("${demo_packages[@]}" googletest libgtest-dev libgmock-dev libbenchmark-dev
  g++-mingw-w64-x86-64-posix wine wine64 clang libclang-rt-14-dev valgrind icoutils)
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
