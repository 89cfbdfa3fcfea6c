#!/usr/bin/env bash
# Builds the native engine, tools and tests (under the sanitizers with --sanitize), and the
# engine for Windows with MinGW-w64, i686 and x86_64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

sanitize=OFF
[[ ${1:-} == --sanitize ]] && sanitize=ON

native="$root/build/native"
[[ $sanitize == ON ]] && native="$root/build/native-sanitize"
cmake -S "$root" -B "$native" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALVANTER_SANITIZE=$sanitize >/dev/null
cmake --build "$native" -j "$jobs"

for arch in i686 x86_64; do
  cmake -S "$root" -B "$root/build/mingw-$arch" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCALVANTER_TESTS=OFF >/dev/null
  cmake --build "$root/build/mingw-$arch" -j "$jobs"
done
