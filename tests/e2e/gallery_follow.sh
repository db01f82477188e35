#!/usr/bin/env bash
# End to end on the control gallery with the real mouse and keyboard: the
# skinned scroll bars follow their controls. Dragging the multi-line edit's
# thumb moves the skinned thumb while the button is still held (the edit takes
# the position only at the release); PageDown in the list box, collapsing a
# tree node and widening a list-view column each change the skinned bar too.
set -u
exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

e2e_begin follow
. "$root/tests/e2e/gallery_session.sh"
pixels() { python3 "$root/tests/e2e/pixels.py" "$@"; }

start_gallery "$work/report.txt"
layout="$work/layout.txt"
read -r ml mt mr mb < <(entry "$layout" text.multiline.vbar)
read -r ll lt lr lb < <(entry "$layout" text.list.vbar)
read -r il it ir ib < <(entry "$layout" text.list.item)
read -r tl tt tr tb < <(entry "$layout" text.tree.vbar)
read -r nl nt nr nb < <(entry "$layout" text.tree.lastnode)
read -r hl ht hr hb < <(entry "$layout" text.listview.hbar)
read -r cl ct cr cb < <(entry "$layout" text.listview.column0)
[ -n "$ml" ] && [ -n "$ll" ] && [ -n "$il" ] && [ -n "$tl" ] && [ -n "$nl" ] && [ -n "$hl" ] &&
  [ -n "$cl" ] || fail "layout lacks positions"
away() { pointer_to $((ox + 2)) $((oy + 60)); sleep 0.3; }
# screen <l> <t> <r> <b>: a rectangle of the layout on the screen.
screen() { echo $((ox + $1)) $((oy + $2)) $((ox + $3)) $((oy + $4)); }
away

echo "== the multi-line edit's thumb follows the pointer while it is dragged"
shot "$work/m0.ppm"
cx=$(((ml + mr) / 2)); grab=$((mt + 17 + 4))   # the thumb sits at the top, under the up arrow
pointer_to $((ox + cx)) $((oy + grab)); sleep 0.2
xdotool mousedown 1
for step in 8 16 24 32 40; do pointer_to $((ox + cx)) $((oy + grab + step)); sleep 0.1; done
sleep 0.3
shot "$work/m1.ppm"   # still held
xdotool mouseup 1
away
shot "$work/m2.ppm"
read -r first last < <(pixels changed "$work/m0.ppm" "$work/m1.ppm" $(screen $ml $mt $mr $mb) vertical)
echo "while held, the bar changed along rows ${first:-none}..${last:-}"
[ "$first" != none ] || fail "the skinned thumb did not move while dragged"
[ "$last" -gt 60 ] || fail "the skinned thumb did not follow the pointer down (rows $first..$last)"
changed="$(pixels changed "$work/m1.ppm" "$work/m2.ppm" $(screen $ml $mt $mr $mb) vertical)"
echo "after the release: $changed"

echo "== PageDown in the list box"
pointer_to $((ox + (il + ir) / 2)) $((oy + (it + ib) / 2)); sleep 0.1
xdotool click 1
away
shot "$work/l0.ppm"
xdotool key Next Next   # the first goes to the page's last item, the second scrolls
sleep 0.3
shot "$work/l1.ppm"
read -r first last < <(pixels changed "$work/l0.ppm" "$work/l1.ppm" $(screen $ll $lt $lr $lb) vertical)
echo "the list box's bar changed along rows ${first:-none}..${last:-}"
[ "$first" != none ] || fail "the list box's skinned thumb stayed after PageDown"

echo "== a tree node collapsed"
shot "$work/t0.ppm"
pointer_to $((ox + (nl + nr) / 2)) $((oy + (nt + nb) / 2)); sleep 0.1
xdotool click 1
xdotool key Left
away
shot "$work/t1.ppm"
changed="$(pixels changed "$work/t0.ppm" "$work/t1.ppm" $(screen $tl $tt $tr $tb) vertical)"
echo "the tree's bar changed along rows $changed"
[ "$changed" != none ] || fail "the tree's skinned thumb stayed after the collapse"

echo "== a list-view column widened"
shot "$work/c0.ppm"
dy=$(((ct + cb) / 2))
pointer_to $((ox + cr - 1)) $((oy + dy)); sleep 0.2
xdotool mousedown 1
for step in 20 40 60 80; do pointer_to $((ox + cr - 1 + step)) $((oy + dy)); sleep 0.1; done
xdotool mouseup 1
away
shot "$work/c1.ppm"
changed="$(pixels changed "$work/c0.ppm" "$work/c1.ppm" $(screen $hl $ht $hr $hb) horizontal)"
echo "the list view's horizontal bar changed along columns $changed"
[ "$changed" != none ] || fail "the list view's skinned thumb stayed after the column grew"

close_gallery
first_line="$(entry "$work/report.txt" edit.multiline.firstline)"
top="$(entry "$work/report.txt" list.topindex)"
visible="$(entry "$work/report.txt" tree.visible)"
echo "edit's first line $first_line, list's top $top, tree rows shown $visible"
[ "${first_line:-0}" -gt 0 ] || fail "the drag did not scroll the edit"
[ "${top:-0}" -gt 0 ] || fail "PageDown did not scroll the list box"
echo "gallery scroll bars follow: all checks passed"
