#!/usr/bin/env bash
# End to end on the control gallery with the real mouse and keyboard: an edit's
# frame lights up under the pointer and goes back when it leaves, a click and
# typed text land in the edit, a click on the list box's skinned down arrow
# scrolls the list and moves the thumb, and the drop-down list opens and shows
# a choice made with the keyboard. Pixels come from screenshots; what pixels
# cannot tell comes from the gallery's report, written as it closes.
set -u
exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

e2e_begin gallery-e2e
report="$work/report.txt"

# Client positions of the controls, as the gallery lays them out (first column,
# 180 pixels wide from 8 pixels down, each under a 16-pixel label with 8 pixels
# between).
edit_x=12; edit_y=24; edit_h=22           # the single-line edit
droplist_x=12; droplist_y=504; droplist_h=24
list_x=12; list_y=552; list_w=180; list_h=100

. "$root/tests/e2e/gallery_session.sh"
start_gallery "$report"

# pixel <client x> <client y>: "r g b" of the screen there now.
pixel() {
  import -window root -crop 1x1+$((ox + $1))+$((oy + $2)) +repage txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | awk '{printf "%d %d %d\n", $1, $2, $3}'
}
# green <client x> <client y>: true when the accent's green dominates there.
green() { read -r r g b < <(pixel "$1" "$2"); [ $((g - (r + b) / 2)) -gt 40 ]; }
white() { read -r r g b < <(pixel "$1" "$2"); [ "$r" -gt 245 ] && [ "$g" -gt 245 ] && [ "$b" -gt 245 ]; }
# until <tenths> <command...>: retries the command until it holds.
until_true() { local n=$1; shift; for _ in $(seq 1 "$n"); do "$@" && return 0; sleep 0.1; done; return 1; }
crop() { import -window root -crop "$3x$4+$((ox + $1))+$((oy + $2))" +repage "$5" 2>/dev/null; }
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1)" != "0" ]; }
move() { pointer_to $((ox + $1)) $((oy + $2)); }

until_true 50 white $((edit_x + 1)) $((edit_y + edit_h / 2)) || fail "the edit's ring is not skinned"

echo "== hovering the edit lights its frame; leaving turns it back"
move $((edit_x + 60)) $((edit_y + edit_h / 2))
until_true 30 green $((edit_x + 1)) $((edit_y + edit_h / 2)) ||
  fail "hover look missing: $(pixel $((edit_x + 1)) $((edit_y + edit_h / 2)))"
move 600 -40  # the caption, away from every control
until_true 30 white $((edit_x + 1)) $((edit_y + edit_h / 2)) ||
  fail "the frame stayed lit: $(pixel $((edit_x + 1)) $((edit_y + edit_h / 2)))"

echo "== a click into the edit and typed text"
move $((edit_x + 60)) $((edit_y + edit_h / 2))
xdotool click 1
xdotool key End
xdotool type --delay 30 "xyz"

echo "== the list box's skinned down arrow"
bar_x=$((list_x + list_w - 2 - 16)); bar_y=$((list_y + 2)); bar_h=$((list_h - 4))
crop $bar_x $bar_y 16 $bar_h "$work/bar-before.png"
move $((bar_x + 8)) $((list_y + list_h - 2 - 8))
xdotool click 1
sleep 0.3
move 600 -40  # the caption, away from every control
sleep 0.3
crop $bar_x $bar_y 16 $bar_h "$work/bar-after.png"
differ "$work/bar-before.png" "$work/bar-after.png" || fail "the overlay's thumb did not move"

echo "== the drop-down list opens and a keyboard choice shows in its face"
crop $((droplist_x + 2)) $((droplist_y + 2)) 150 $((droplist_h - 4)) "$work/face-before.png"
move $((droplist_x + 90)) $((droplist_y + droplist_h / 2))
xdotool click 1
sleep 0.3
crop $((droplist_x)) $((droplist_y + droplist_h)) 180 60 "$work/open.png"
xdotool key Down Down Return
sleep 0.3
move 600 -40  # the caption, away from every control
sleep 0.3
crop $((droplist_x + 2)) $((droplist_y + 2)) 150 $((droplist_h - 4)) "$work/face-after.png"
differ "$work/face-before.png" "$work/face-after.png" || fail "the face did not change"

echo "== closing through the skinned close button"
# The close button is the last of minimise, maximise and close at the caption's right.
eval "$(xdotool getwindowgeometry --shell "$win")"  # X, Y, WIDTH of the whole window
pointer_to $((X + WIDTH - 19)) $((Y + 10))
xdotool click 1
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the gallery did not close"; }
pid=""
[ -f "$report" ] || fail "no report written"
LC_ALL=C sed "s/[^ -~]/?/g" "$report"
LC_ALL=C grep -aq '^edit.single.text: .*xyz$' "$report" || fail "the typed text is not in the edit"
LC_ALL=C grep -aq '^list.topindex: [1-9]' "$report" || fail "the list did not scroll"
LC_ALL=C grep -aq '^combo.droplist.selection: 2$' "$report" || fail "the keyboard choice was not taken"
echo "gallery end to end: all passed"
