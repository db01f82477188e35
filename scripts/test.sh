#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test under Wine on the
# project's headless X server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
. "$root/scripts/env.sh"
bash "$root/scripts/build.sh"
# Tests always use the project's own server: they need real gamma ramps and
# must not click around on somebody's desktop.
DISPLAY="$(bash "$root/scripts/xserver.sh" start)"
export DISPLAY
wineserver -p 60 2>/dev/null || true   # keep one wineserver between test programs
cd "${TOVIK_BUILD_DIR:-$root/build}"
ctest --output-on-failure --timeout 900 "$@"
