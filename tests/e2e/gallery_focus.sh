#!/usr/bin/env bash
# End to end on the control gallery with the real mouse and keyboard: the focus
# shows. A click into the first control, then Tab through every control that
# takes the focus with the keyboard (edits, combo boxes of each style, lists,
# tree, IP field, date picker, trackbars, up-down buddies, list view, tab
# control): each one wears the accent focus look while it has the focus, and
# the one the focus left shows it no more. Clicks on the push button, check box
# and radio button do the same for them.
set -u
exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

e2e_begin focus
. "$root/tests/e2e/gallery_session.sh"
pixels() { python3 "$root/tests/e2e/pixels.py" "$@"; }

start_gallery "$work/report.txt"
mapfile -t stops < <(entry "$work/layout.txt" tabstop)
mapfile -t buttons < <(entry "$work/layout.txt" button)
[ "${#stops[@]}" -ge 15 ] || fail "the layout lists ${#stops[@]} tab stops"
[ "${#buttons[@]}" -ge 3 ] || fail "the layout lists ${#buttons[@]} buttons"

away() { pointer_to $((ox + 2)) $((oy + 60)); sleep 0.35; }
# accents <shot>: the accent pixels where each tab stop's focus look lies, into $now.
accents() { mapfile -t now < <(printf '%s\n' "${stops[@]}" | pixels focus-accents "$1" "$ox" "$oy"); }

away
shot "$work/none.ppm"
accents "$work/none.ppm"
before=("${now[@]}")

# focused <i>: stop i shows the focus look in the last shot.
focused() {
  echo "  ${stops[$1]%% *}: ${before[$1]} accent pixels unfocused, ${now[$1]} focused"
  [ "${now[$1]}" -gt $((before[$1] + 10)) ]
}
# unfocused <i>: stop i shows no focus look in the last shot.
unfocused() { [ "${now[$1]}" -le $((before[$1] + 3)) ]; }

echo "== a click into the first control"
read -r _ l t r b <<<"${stops[0]}"
pointer_to $((ox + (l + r) / 2)) $((oy + (t + b) / 2)); sleep 0.1
xdotool click 1
away
shot "$work/f0.ppm"
accents "$work/f0.ppm"
focused 0 || fail "the clicked edit shows no focus"

echo "== Tab through the controls"
for i in $(seq 1 $((${#stops[@]} - 1))); do
  xdotool key Tab
  sleep 0.35
  shot "$work/f$i.ppm"
  accents "$work/f$i.ppm"
  # The composed controls keep their own focus marks (the calendar's day, the
  # rich edit's caret): no ring to look for.
  case "${stops[$i]%% *}" in
    SysMonthCal32 | RichEdit*) ;;
    *) focused "$i" || fail "Tab into ${stops[$i]%% *} ($i) shows no focus" ;;
  esac
  unfocused $((i - 1)) || fail "${stops[$((i - 1))]%% *} ($((i - 1))) kept its focus look"
done

echo "== clicks on a push button, a check box and a radio button"
# The focus goes back to the first edit, away from the last tab stop (which
# may be one of the buttons).
read -r _ l t r b <<<"${stops[0]}"
pointer_to $((ox + (l + r) / 2)) $((oy + (t + b) / 2)); sleep 0.1
xdotool click 1
away
shot "$work/b.ppm"
for j in "${!buttons[@]}"; do
  read -r kind l t r b <<<"${buttons[$j]}"
  [ "$l" -lt 1200 ] || continue   # inside the window's width on the test screen
  quiet="$(pixels rim-accent "$work/b.ppm" $((ox + l)) $((oy + t)) $((ox + r)) $((oy + b)))"
  pointer_to $((ox + (l + r) / 2)) $((oy + (t + b) / 2)); sleep 0.1
  xdotool click 1
  away
  shot "$work/c$j.ppm"
  lit="$(pixels rim-accent "$work/c$j.ppm" $((ox + l)) $((oy + t)) $((ox + r)) $((oy + b)))"
  echo "  $kind button: $quiet accent pixels before the click, $lit with the focus"
  [ "$lit" -gt $((quiet + 10)) ] || fail "the clicked $kind button shows no focus"
done

close_gallery
echo "gallery focus: all checks passed"
