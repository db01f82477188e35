#!/usr/bin/env bash
# End to end on the gallery with real mouse input: clicking the second tab shows
# its page with that page's controls skinned; hovering a toolbar button lights it,
# pressing it shows the pressed look; a check button stays checked after a click.
set -u
exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

TITLE="皮肤控件样例"
e2e_begin gallery

# mean_grey <x> <y> <w> <h>: mean brightness (0..1) of a screen area now.
mean_grey() {
  import -window root -crop "$3x$4+$1+$2" +repage "$work/area.png" 2>/dev/null
  convert "$work/area.png" -colorspace gray -format "%[fx:mean]" info:
}
# wait_for <seconds> <command...>: polls until the command succeeds.
wait_for() {
  local limit=$(( $1 * 10 )); shift
  for _ in $(seq 1 "$limit"); do "$@" && return 0; sleep 0.1; done
  return 1
}
brighter() { awk -v a="$1" -v b="$2" -v d="$3" 'BEGIN{exit !(a > b + d)}'; }

export TOVIK_GALLERY_LAYOUT="$work/layout.txt"
wine "$exe" --report "$(winepath -w "$work/report.txt" 2>/dev/null || echo "$work/report.txt")" \
  >/dev/null 2>&1 &
pid=$!
win=""
wait_for 60 bash -c "xdotool search --onlyvisible --name '^${TITLE}\$' >/dev/null" \
  || fail "the gallery window did not appear"
win="$(xdotool search --onlyvisible --name "^${TITLE}\$" | head -1)"
wait_for 10 test -s "$work/layout.txt" || fail "no layout written"
read -r _ tx ty < <(grep '^tab2 ' "$work/layout.txt")
read -r _ px py < <(grep '^plain ' "$work/layout.txt")
read -r _ pw ph < <(grep '^plain_size ' "$work/layout.txt")
read -r _ cx cy < <(grep '^check ' "$work/layout.txt")
read -r _ cw ch < <(grep '^check_size ' "$work/layout.txt")
sleep 1  # the first paint of the whole window

# A toolbar button lights up under the mouse.
pointer_to 5 5
area=( $((px - pw / 2 + 2)) $((py - ph / 2 + 2)) $((pw - 4)) $((ph - 4)) )
plain="$(mean_grey "${area[@]}")"
pointer_to "$px" "$py"
sleep 0.8
hot="$(mean_grey "${area[@]}")"
brighter "$hot" "$plain" 0.02 || fail "hovered button not lit ($plain -> $hot)"
echo "hover lights the button: $plain -> $hot"

# Pressing it shows the pressed look: its top darkens against the hover look.
top=( "${area[0]}" "${area[1]}" "${area[2]}" 4 )
hotTop="$(mean_grey "${top[@]}")"
xdotool mousedown 1
sleep 0.5
pressedTop="$(mean_grey "${top[@]}")"
xdotool mouseup 1
brighter "$hotTop" "$pressedTop" 0.02 || fail "pressed look missing ($hotTop -> $pressedTop)"
echo "pressing shows the pressed look: top $hotTop -> $pressedTop"

# A check button stays checked after the click, also once the mouse has gone.
carea=( $((cx - cw / 2 + 2)) $((cy - ch / 2 + 2)) $((cw - 4)) $((ch - 4)) )
before="$(mean_grey "${carea[@]}")"
pointer_to "$cx" "$cy"; xdotool click 1
sleep 0.3
pointer_to 5 5
sleep 0.5
after="$(mean_grey "${carea[@]}")"
brighter "$after" "$before" 0.02 || fail "checked button not shown checked ($before -> $after)"
echo "a clicked check button stays checked: $before -> $after"

# Clicking the second tab shows its page.
pointer_to "$tx" "$ty"; xdotool click 1
sleep 0.5
pointer_to 5 5

# Closed by its caption's close button (the report is written as it closes).
read -r wx wy < <(window_origin "$win")
ww="$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^WIDTH=//p')"
pointer_to $((wx + ww - 22)) $((wy + 10)); xdotool click 1
wait_for 15 test -s "$work/report.txt" || fail "no report written"
wait "$pid" 2>/dev/null; pid=""
cat "$work/report.txt"
grep -qx "tab page: 2" "$work/report.txt" || fail "the second tab is not selected"
shown="$(sed -n 's/^tab page controls shown: //p' "$work/report.txt")"
skinned="$(sed -n 's/^tab page controls skinned: //p' "$work/report.txt")"
[ "${shown:-0}" -gt 0 ] || fail "the second page shows no controls"
# Every page has a check box, which the window's button pass skins; the other
# classes are skinned as far as their passes are.
[ "${skinned:-0}" -gt 0 ] || fail "none of the $shown controls on the page is skinned"
grep -qx "toolbar checked 108: yes" "$work/report.txt" || fail "the check button is not checked"
echo "PASS"
