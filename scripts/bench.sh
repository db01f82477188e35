#!/usr/bin/env bash
# Builds and runs the benchmarks on the project's X server; each prints its ratio last.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
. "$root/scripts/env.sh"
bash "$root/scripts/build.sh"
DISPLAY="$(bash "$root/scripts/xserver.sh" start)"; export DISPLAY
build="${TOVIK_BUILD_DIR:-$root/build}"
for b in "$build"/bench/*/bench_*.exe; do
  echo "## $(basename "$b" .exe)"
  wine "$b" "$@"
done
