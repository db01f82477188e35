#!/usr/bin/env bash
# End to end with the real mouse on the gallery (a captioned, sizable window with
# a menu bar, skinned as it is) and on the main program (a fixed window made for
# the skin): maximise, restore and a corner drag smaller and back each leave the
# caption buttons at the new right edge, the window covering its new rectangle,
# and back at the first size the same pixels as at the start; a press that began
# off the close button does not close; the menu bar sends its commands by mouse
# and by keyboard; the main window cannot be resized.
set -u
gallery="$1"; program="$2"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"
exe="$gallery"
. "$root/tests/e2e/gallery_session.sh"

e2e_begin window-sizes
report="$work/report.txt"; layout="$work/layout.txt"

# geometry <id>: sets X Y WIDTH HEIGHT of the whole window.
geometry() { eval "$(xdotool getwindowgeometry --shell "$1")"; }
# shot <file> [id]: the window's own rectangle.
shot() {
  geometry "${2:-$win}"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$1" 2>/dev/null || fail "no screenshot"
}
# crop <in> <w>x<h>+<x>+<y> <out>
crop() { convert "$1" -crop "$2" +repage "$3"; }
# masked <in> <out>: the timer-driven progress bar painted over.
masked() { convert "$1" -fill black -draw "rectangle $mask" "$2"; }
same() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" = "0" ]; }
differs() { compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1; }
# desktop_pixels <file> <geometry>: pure black pixels (the bare X desktop) in a band.
desktop_pixels() {
  convert "$1" -crop "$2" +repage -fill white +opaque black -fill black -opaque black \
    -format "%[fx:round(w*h*(1-mean))]" info: 2>/dev/null
}
# covered <file>: the frame's own bands (caption row, bottom bar, left and right
# border columns) show the window, never the desktop behind it.
covered() {
  local w h n
  w="$(identify -format %w "$1")"; h="$(identify -format %h "$1")"
  for band in "$((w - 8))x20+4+2" "$((w - 8))x22+4+$((h - 26))" "1x$((h - 16))+1+8" "1x$((h - 16))+$((w - 2))+8"; do
    n="$(desktop_pixels "$1" "$band")"
    [ "${n:-1}" = 0 ] || { echo "desktop shows in band $band ($n pixels)"; return 1; }
  done
}
# strip <file> <out> [keep_max]: the caption-button strip at the window's right
# edge as a mask of its light glyphs (the picture behind them is stretched to
# each size); without keep_max the maximise button, whose glyph changes, is blanked.
strip() {
  local w; w="$(identify -format %w "$1")"
  convert "$1" -crop "96x22+$((w - 96))+0" +repage -colorspace gray -threshold 60% "$2"
  [ "${3:-}" = keep_max ] || convert "$2" -fill black -draw "rectangle 28,0 54,21" "$2"
}
drag_corner() {  # drag_corner <dx> <dy>: the bottom-right corner, in six steps
  geometry "$win"
  local bx=$((X + WIDTH - 2)) by=$((Y + HEIGHT - 2))
  pointer_to "$bx" "$by"; sleep 0.2
  xdotool mousedown 1
  for i in 1 2 3 4 5 6; do pointer_to $((bx + $1 * i / 6)) $((by + $2 * i / 6)); sleep 0.05; done
  xdotool mouseup 1
  settle
}
settle() { sleep 0.6; pointer_to 0 799; sleep 0.5; }
click_at() { pointer_to "$1" "$2"; sleep 0.2; xdotool click 1; }

echo "== the gallery"
start_gallery "$report"
cx=$ox; cy=$oy
read -r pl pt pr pb < <(sed -n 's/^ranges\.progress\.timed\.rect: //p' "$layout" | tr -d '\r')
[ -n "$cx" ] && [ -n "$pl" ] || fail "the gallery wrote no layout"
geometry "$win"; x0=$X; y0=$Y; w0=$WIDTH; h0=$HEIGHT
# The progress bar in window coordinates (it moves on a timer).
mask="$((cx - X + pl)),$((cy - Y + pt)) $((cx - X + pr)),$((cy - Y + pb))"
settle
shot "$work/first.png"; masked "$work/first.png" "$work/first-m.png"
strip "$work/first.png" "$work/strip.png"
covered "$work/first.png" || fail "the first picture does not cover the window"

check_back() {  # check_back <what>: back at the first size, the first pixels
  geometry "$win"
  [ "$WIDTH" = "$w0" ] && [ "$HEIGHT" = "$h0" ] || fail "$1: size ${WIDTH}x$HEIGHT, not ${w0}x$h0"
  shot "$work/back.png"; masked "$work/back.png" "$work/back-m.png"
  same "$work/first-m.png" "$work/back-m.png" ||
    fail "$1: $(differs "$work/first-m.png" "$work/back-m.png") pixels differ from the first picture"
  echo "$1: the same pixels as at the start"
}
check_frame() {  # check_frame <what>: buttons at the new right edge, window covered
  shot "$work/now.png"
  strip "$work/now.png" "$work/strip-now.png"
  same "$work/strip.png" "$work/strip-now.png" ||
    fail "$1: the caption buttons at the right edge differ ($(differs "$work/strip.png" "$work/strip-now.png") pixels)"
  covered "$work/now.png" || fail "$1: the window does not cover its rectangle"
  echo "$1: ${WIDTH}x$HEIGHT, caption buttons at the right edge, no desktop inside"
}

# Maximise and restore with the caption's own buttons (maximise is the middle one).
click_at $((x0 + w0 - 53)) $((y0 + 10)); settle
geometry "$win"
[ "$WIDTH" -gt "$w0" ] && [ "$HEIGHT" -gt "$h0" ] || fail "maximise: still ${WIDTH}x$HEIGHT"
check_frame "maximised"
strip "$work/now.png" "$work/strip-max.png" keep_max
strip "$work/first.png" "$work/strip-first.png" keep_max
same "$work/strip-first.png" "$work/strip-max.png" && fail "maximised: the maximise button shows no restore picture"
click_at $((X + WIDTH - 53)) $((Y + 10)); settle
check_back "restored"

# A corner dragged smaller, then back.
drag_corner -300 -210
geometry "$win"
[ "$WIDTH" -lt "$w0" ] || fail "the corner drag did not resize"
check_frame "dragged smaller"
drag_corner 300 210
check_back "dragged back"

# A press on the body carried onto the close button and released there: stays.
geometry "$win"
pointer_to $((cx + 4)) $((cy + 200)); sleep 0.2   # the client's left margin
xdotool mousedown 1; sleep 0.1
pointer_to $((X + w0 - 25)) $((Y + 10)); sleep 0.1
pointer_to $((X + w0 - 19)) $((Y + 10)); sleep 0.2
xdotool mouseup 1; sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "a press that began on the body closed the window"
echo "a press carried onto the close button did not close"

# The menu bar: "文件" then "打开" with the mouse; Alt+H (帮助) and Enter on its
# first item with the keyboard.
geometry "$win"
menu_y=$((cy - 11))   # the menu row lies right above the client area
click_at $((cx + 20)) "$menu_y"; sleep 0.5
click_at $((cx + 40)) $((menu_y + 22)); sleep 0.3
pointer_to $((cx + 300)) $((cy + 300)); sleep 0.2
xdotool windowfocus "$win" 2>/dev/null; sleep 0.5
xdotool key alt+h
# The drop-down hangs from the menu row, its top on the client area's first row.
dropped() { xwininfo -root -tree | grep -q "(\"skingallery.exe\".*[0-9]x[0-9]*+[0-9]*+$cy "; }
for _ in $(seq 1 50); do dropped && break; sleep 0.1; done
dropped || fail "Alt+H opened no drop-down"
sleep 0.2; xdotool key Return; sleep 0.5

# Closed with the skinned close button; the report says what the menu sent.
geometry "$win"
click_at $((X + WIDTH - 19)) $((Y + 10))
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the gallery did not close"; }
pid=""
commands="$(sed -n 's/^menu\.commands: //p' "$report" | tr -d '\r')"
[ "$commands" = "1001,1201" ] || fail "the menu sent '$commands', not the mouse's 1001 then the keyboard's 1201"
echo "the menu sent its commands by mouse and by keyboard: $commands"

echo "== the main program"
(cd "$work" && exec wine "$program") >/dev/null 2>&1 &
pid=$!
win="$(wait_window 60)" || fail "the program did not appear"
settle
geometry "$win"; w0=$WIDTH; h0=$HEIGHT
drag_corner 120 90
geometry "$win"
[ "$WIDTH" = "$w0" ] && [ "$HEIGHT" = "$h0" ] || fail "the fixed main window was resized to ${WIDTH}x$HEIGHT"
kill -0 "$pid" 2>/dev/null || fail "the program went away"
echo "the main window keeps its ${w0}x$h0"
close_with_escape "$win" "$pid" || fail "the program did not close"
pid=""
echo "PASS"
