#!/usr/bin/env bash
# Sets up what is missing, builds, and runs every test under Wine on the
# project's headless X server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
. "$root/scripts/env.sh"
bash "$root/scripts/check_layers.sh"
# Every target is compiled for both architectures; the tests run on the one
# this machine can start (TOVIK_ONE_ARCH=1 skips the other, for a quick loop).
if [ -n "${TOVIK_ONE_ARCH:-}" ]; then
  bash "$root/scripts/build.sh"
else
  bash "$root/scripts/build_both.sh"
fi
echo "[test] the tests run on the ${TOVIK_ARCH:-i686} build ($TOVIK_ARCH_WHY; TOVIK_ARCH=i686 or x86_64 forces one)"
# Tests always use the project's own server: they need real gamma ramps and
# must not click around on somebody's desktop.
DISPLAY="$(bash "$root/scripts/xserver.sh" start)"
export DISPLAY
# One wineserver for the whole run, and Wine's own background services started
# here rather than by the first test: a service started by a test would inherit
# that test's output pipes, and CTest would wait for them to close.
wineserver -p >/dev/null 2>&1 </dev/null || true
wine cmd /c exit >/dev/null 2>&1 </dev/null || true
cd "${TOVIK_BUILD_DIR:-$root/build}"
set +e
ctest --output-on-failure --timeout 900 "$@"
rc=$?
# On CI nothing of Wine's should outlive the run.
[ -n "${CI:-}" ] && wineserver -k 2>/dev/null
exit $rc
