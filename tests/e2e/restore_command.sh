#!/usr/bin/env bash
# End to end, the command-line mode: darken the display, run
# "TovikBrightness.exe /restore" (and its other spellings) from a folder whose
# path has a space and Chinese characters, and check from outside Wine that the X
# server's ramp is the identity again, the exit code is 0, nothing was printed, no
# window appeared and no helper file is left. Then an odd argument must still
# start the window.
set -u
exe="$1"; xramp="$2"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

e2e_begin cmd
program_in_odd_folder "$exe" "$xramp"

passed=0
for switch in /restore -restore --RESTORE; do
  echo "== xgamma -gamma 0.5, then $switch"
  xgamma -gamma 0.5 >/dev/null 2>&1
  "$xramp" check >/dev/null 2>&1 && fail "xgamma did not change the ramp"

  (cd / && exec wine "$program" "$switch") >"$work/out" 2>"$work/err" </dev/null &
  pid=$!
  # Watch for a window for as long as the run lasts.
  window=""
  while kill -0 "$pid" 2>/dev/null; do
    xdotool search --onlyvisible --name "^${TOVIK_TITLE}\$" >/dev/null 2>&1 && window=1
    sleep 0.05
  done
  wait "$pid"; code=$?; pid=""

  [ "$code" -eq 0 ] || { cat "$work/err"; fail "$switch exited $code"; }
  [ -z "$window" ] || fail "$switch showed a window"
  [ -s "$work/out" ] && { cat "$work/out"; fail "$switch printed something"; }
  "$xramp" check >/dev/null 2>&1 || { "$xramp" print; fail "ramp not restored by $switch"; }
  "$xramp" print
  left="$(helpers_left)"
  [ -z "$left" ] || fail "helper left behind: $left"
  passed=$((passed + 1))
done

echo "== an odd argument starts the window as usual"
(cd / && exec wine "$program" /restore=now --verbose) >"$work/out" 2>/dev/null </dev/null &
pid=$!
win="$(wait_window 60)" || fail "the window did not appear with odd arguments"
[ -s "$work/out" ] && { cat "$work/out"; fail "odd arguments printed something"; }
close_with_escape "$win" "$pid" || fail "Esc did not close the window started with odd arguments"
wait "$pid" 2>/dev/null; pid=""
passed=$((passed + 1))

echo "$passed passed, 0 failed"
