#!/usr/bin/env bash
# Installs what a fresh machine lacks to build and test both platforms.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev g++-mingw-w64-x86-64-posix wine wine64 clang libclang-rt-14-dev valgrind)

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
