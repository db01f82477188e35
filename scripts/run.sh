#!/usr/bin/env bash
# Sets up what is missing, builds, and starts the program under Wine.
# With a DISPLAY it opens the window there. Without one it uses the project's own
# headless X server and runs a short demo: darken the display, screenshot the
# window, click "亮度恢复", screenshot the outcome line, print the gamma ramp
# before and after.
# `run.sh gallery` starts the control gallery instead (on $DISPLAY when there is
# one, otherwise on the headless server), saves a screenshot and prints its path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/setup.sh"
. "$root/scripts/env.sh"
if [ "${1:-}" = gallery ]; then exec bash "$root/scripts/run_gallery.sh"; fi
bash "$root/scripts/build.sh" --target TovikBrightness
build="${TOVIK_BUILD_DIR:-$root/build}"
exe="$build/app/TovikBrightness.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec wine "$exe"
fi

DISPLAY="$(bash "$root/scripts/xserver.sh" start)"; export DISPLAY
. "$root/scripts/wine_window.sh"
out="${TOVIK_SHOT_DIR:-$build/screenshots}"
mkdir -p "$out"
xramp="$build/native/xramp"

echo "darkening the display: xgamma -gamma 0.5"
xgamma -gamma 0.5 >/dev/null 2>&1
echo "ramp before:"; "$xramp" print
wine "$exe" >/dev/null 2>&1 &
pid=$!
win="$(wait_window 60)" || { echo "the window did not appear" >&2; exit 1; }
sleep 1
read -r x y < <(window_origin "$win")
import -window root -crop 260x150+"$x"+"$y" +repage "$out/window.png"
import -window root "$out/screen.png"
# The button's hover look: the pointer over "亮度恢复" without clicking.
pointer_to $((x + 76 + 54)) $((y + 115 + 15))
sleep 0.5
import -window root -crop 260x150+"$x"+"$y" +repage "$out/window-hover.png"
echo "screenshot: $out/window.png (button hovered: $out/window-hover.png, whole screen: $out/screen.png)"
echo "clicking 亮度恢复"
click_restore_button "$win"
sleep 2
# The bottom bar's line now says what the click did; the pointer leaves the button first.
pointer_to $((x + 20)) $((y + 60))
sleep 0.5
import -window root -crop 260x150+"$x"+"$y" +repage "$out/window-restored.png"
echo "after the click: $out/window-restored.png"
echo "ramp after:"; "$xramp" print
"$xramp" check || true
xdotool key Escape
for _ in $(seq 1 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill "$pid" 2>/dev/null || true
