#!/usr/bin/env bash
# Cross-builds the program, its helpers, tests and benchmarks into build/,
# and the small native X client the tests use to read the gamma ramp.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TOVIK_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" "$@"
mkdir -p "$build/native"
if [ ! -x "$build/native/xramp" ] || [ "$root/tools/xramp.c" -nt "$build/native/xramp" ]; then
  gcc -O2 -Wall -o "$build/native/xramp" "$root/tools/xramp.c" -lXxf86vm -lX11
fi
