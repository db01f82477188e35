#!/usr/bin/env bash
# Builds and starts the control gallery (SkinGallery.exe), saves a screenshot of
# its window and prints the path. On $DISPLAY the gallery stays open until it is
# closed; on the project's own headless X server it is closed after the shot.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
. "$root/scripts/env.sh"
bash "$root/scripts/build.sh" --target SkinGallery
build="${TOVIK_BUILD_DIR:-$root/build}"
exe="$build/gallery/SkinGallery.exe"
out="${TOVIK_SHOT_DIR:-$build/screenshots}"
mkdir -p "$out"

own_server=""
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  DISPLAY="$(bash "$root/scripts/xserver.sh" start)"
  own_server=1
fi
export DISPLAY
. "$root/scripts/wine_window.sh"
TOVIK_TITLE="皮肤控件样例"

wine "$exe" >/dev/null 2>&1 &
pid=$!
win="$(wait_window 60)" || { echo "the gallery did not appear" >&2; exit 1; }
read -r x y < <(window_origin "$win")
# The pointer away from the window (no hover look, no tooltip); paints settle
# within a moment of the window mapping.
xdotool mousemove 0 0 2>/dev/null || true
sleep 1
eval "$(xdotool getwindowgeometry --shell "$win")"  # WIDTH, HEIGHT
import -window root -crop "${WIDTH}x${HEIGHT}+$x+$y" +repage "$out/gallery.png"
echo "screenshot: $out/gallery.png"
if [ -n "$own_server" ]; then
  pointer_to $((x + WIDTH - 19)) $((y + 10)); xdotool click 1  # the skinned close button
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  kill "$pid" 2>/dev/null || true
else
  wait "$pid"
fi
