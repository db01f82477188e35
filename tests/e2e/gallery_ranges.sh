#!/usr/bin/env bash
# End to end on the control gallery with real mouse input: dragging a trackbar's
# knob moves it and the knob is drawn where the position says; clicking the upper
# half of an up-down raises its buddy's number; hovering a header item lights it
# and leaving turns it back; the timer-driven progress bar's drawn length follows
# its position in two screenshots.
set -u
exe="$1"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

e2e_begin ranges
. "$root/tests/e2e/gallery_session.sh"

# value <report> <name>: the value of "ranges.<name>: ..."
value() { entry "$1" "ranges\.$2"; }

# pixel <ppm> <x> <y>: "R G B" of one screen pixel.
pixel() {
  python3 - "$@" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
parts, pos = [], 0
while len(parts) < 4:
    while data[pos:pos+1].isspace(): pos += 1
    if data[pos:pos+1] == b'#':
        pos = data.index(b'\n', pos); continue
    start = pos
    while not data[pos:pos+1].isspace(): pos += 1
    parts.append(data[start:pos])
pos += 1
w = int(parts[1]); x, y = int(sys.argv[2]), int(sys.argv[3])
i = pos + 3 * (y * w + x)
print(data[i], data[i+1], data[i+2])
PY
}

# accent_run <ppm> <x0> <x1> <y>: how many pixels of the row are the bar's green.
accent_run() {
  python3 - "$@" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
parts, pos = [], 0
while len(parts) < 4:
    while data[pos:pos+1].isspace(): pos += 1
    start = pos
    while not data[pos:pos+1].isspace(): pos += 1
    parts.append(data[start:pos])
pos += 1
w = int(parts[1]); x0, x1, y = map(int, sys.argv[2:5])
n = 0
for x in range(x0, x1):
    i = pos + 3 * (y * w + x)
    r, g, b = data[i], data[i+1], data[i+2]
    if g - (r + b) // 2 > 40: n += 1
print(n)
PY
}

start_gallery "$work/report.txt"
read -r tl tt tr tb < <(value "$work/layout.txt" trackbar.plain.thumb)
read -r ul ut ur ub < <(value "$work/layout.txt" updown.vertical.rect)
read -r hl ht hr hb < <(value "$work/layout.txt" header.item1)
read -r pl pt pr pb < <(value "$work/layout.txt" progress.timed.rect)
start_pos="$(value "$work/layout.txt" trackbar.plain.pos)"
start_number="$(value "$work/layout.txt" updown.vertical.pos)"
[ -n "$tl" ] && [ -n "$ul" ] && [ -n "$hl" ] && [ -n "$pl" ] || fail "layout lacks positions"

pointer_to $((ox + 2)) $((oy + 60))

echo "== progress bar follows its timer"
shot "$work/p1.ppm"
sleep 1.3   # the timer steps every 0.4 s
shot "$work/p2.ppm"
width=$((pr - pl)); row=$((oy + (pt + pb) / 2))
runs=()
for f in p1 p2; do runs+=("$(accent_run "$work/$f.ppm" $((ox + pl)) $((ox + pr)) "$row")"); done
echo "bar lengths: ${runs[*]} of $width"
[ "${runs[0]}" != "${runs[1]}" ] || fail "the bar did not move"
for n in "${runs[@]}"; do
  # Each length must be one the position allows: a multiple of 5 % of the width
  # (less the rounded end), within two pixels.
  ok=""
  for k in $(seq 0 20); do
    expect=$((k * 5 * width / 100))
    d=$((n - expect + 2))
    if [ "$d" -ge -2 ] && [ "$d" -le 2 ]; then ok=1; fi
    [ "$n" -eq 0 ] && ok=1
  done
  [ -n "$ok" ] || fail "bar length $n matches no position"
done

echo "== header item lights under the mouse"
hx=$((ox + hl + 4)); hy=$((oy + hb - 3))
shot "$work/h0.ppm"; before="$(pixel "$work/h0.ppm" "$hx" "$hy")"
pointer_to $((ox + (hl + hr) / 2)) $((oy + (ht + hb) / 2))
sleep 0.3
shot "$work/h1.ppm"; lit="$(pixel "$work/h1.ppm" "$hx" "$hy")"
pointer_to $((ox + 2)) $((oy + 60))
sleep 0.3
shot "$work/h2.ppm"; after="$(pixel "$work/h2.ppm" "$hx" "$hy")"
echo "plain: $before  hovered: $lit  left: $after"
[ "$before" != "$lit" ] || fail "hovering did not light the item"
[ "$before" = "$after" ] || fail "leaving did not turn the item back"

echo "== up-down upper half raises the buddy"
pointer_to $((ox + (ul + ur) / 2)) $((oy + ut + (ub - ut) / 4))
sleep 0.2
xdotool click 1
sleep 0.3

echo "== dragging the trackbar's knob"
cx=$(((tl + tr) / 2)); cy=$(((tt + tb) / 2))
pointer_to $((ox + cx)) $((oy + cy))
sleep 0.2
xdotool mousedown 1
for step in 10 20 30 40 50 60; do
  pointer_to $((ox + cx + step)) $((oy + cy)); sleep 0.05
done
xdotool mouseup 1
pointer_to $((ox + 2)) $((oy + 60))
sleep 0.4
shot "$work/t.ppm"
close_gallery

end_pos="$(value "$work/report.txt" trackbar.plain.pos)"
end_number="$(value "$work/report.txt" updown.vertical.pos)"
echo "trackbar: $start_pos -> $end_pos; up-down: $start_number -> $end_number"
[ "$end_pos" -gt "$start_pos" ] || fail "the drag did not move the trackbar"
[ "$end_number" -gt "$start_number" ] || fail "the click did not raise the buddy's number"

# The knob (white, 6 pixels) sits on the thumb's centre line at its reported place.
read -r tl tt tr tb < <(value "$work/report.txt" trackbar.plain.thumb)
kx=$((ox + (tl + tr) / 2 + 1)); ky=$((oy + tt + 3))
read -r r g b < <(pixel "$work/t.ppm" "$kx" "$ky")
echo "knob pixel at $kx,$ky: $r $g $b"
[ "$r" -ge 200 ] && [ "$g" -ge 200 ] && [ "$b" -ge 200 ] || fail "no knob where the position says"
read -r r g b < <(pixel "$work/t.ppm" $((ox + cx + 1)) "$ky")
[ "$r" -ge 200 ] && [ "$g" -ge 200 ] && [ "$b" -ge 200 ] && fail "a knob is still drawn at the old place"
echo "gallery ranges: all checks passed"
