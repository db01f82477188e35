#!/usr/bin/env bash
# Builds every target (program, helpers, gallery, tests, benchmarks) for the
# architecture the tests run on, into build/, and compiles every target for the
# other one too, into build-<arch>/: a calling-convention or pointer-size mistake
# fails the run in whichever build it shows. Stops on the first error.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/env.sh"
run_arch="${TOVIK_ARCH:-i686}"
case "$run_arch" in i686) other=x86_64 ;; *) other=i686 ;; esac

start=$(date +%s)
bash "$root/scripts/build.sh"
mid=$(date +%s)
TOVIK_ARCH="$other" TOVIK_BUILD_DIR="${TOVIK_OTHER_BUILD_DIR:-$root/build-$other}" \
  bash "$root/scripts/build.sh"
end=$(date +%s)

summary() {  # summary <arch> <folder>
  local exes
  exes="$(find "$2" -name '*.exe' ! -path '*/CMakeFiles/*' ! -path '*/googletest/*' -printf '%f\n' | sort | tr '\n' ' ')"
  echo "[build] $1: $(echo "$exes" | wc -w) programs: $exes"
}
summary "$run_arch" "${TOVIK_BUILD_DIR:-$root/build}"
summary "$other" "${TOVIK_OTHER_BUILD_DIR:-$root/build-$other}"
echo "[build] $run_arch build $((mid - start)) s, $other build $((end - mid)) s"
