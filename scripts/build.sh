#!/usr/bin/env bash
# Cross-builds the program, its helpers, tests and benchmarks into build/,
# and the small native X client the tests use to read the gamma ramp.
# TOVIK_ARCH picks the architecture (env.sh chooses the one this machine runs);
# TOVIK_BUILD_DIR the folder. Warnings are errors.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/env.sh"
build="${TOVIK_BUILD_DIR:-$root/build}"
arch="${TOVIK_ARCH:-i686}"
toolchain="$root/cmake/mingw-$arch.cmake"
# A build folder configured for the other architecture starts afresh.
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:[A-Z]*=$toolchain\$" "$build/CMakeCache.txt"; then
  rm -rf "$build"
fi
LC_ALL=C.UTF-8 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DTOVIK_WERROR=ON >/dev/null
LC_ALL=C.UTF-8 cmake --build "$build" -j"$(nproc)" "$@"
mkdir -p "$build/native"
if [ ! -x "$build/native/xramp" ] || [ "$root/tools/xramp.c" -nt "$build/native/xramp" ]; then
  gcc -O2 -Wall -Werror -o "$build/native/xramp" "$root/tools/xramp.c" -lXxf86vm -lX11
fi
