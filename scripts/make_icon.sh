#!/usr/bin/env bash
# Re-makes resources/app.ico (a sun over a dusk-blue tile) with ImageMagick.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
tmp="$(mktemp -d)"; trap 'rm -rf "$tmp"' EXIT
rays=""
for a in 0 45 90 135 180 225 270 315; do
  x1=$(awk -v a=$a 'BEGIN{printf "%.1f", 128+cos(a*3.14159/180)*72}')
  y1=$(awk -v a=$a 'BEGIN{printf "%.1f", 128+sin(a*3.14159/180)*72}')
  x2=$(awk -v a=$a 'BEGIN{printf "%.1f", 128+cos(a*3.14159/180)*104}')
  y2=$(awk -v a=$a 'BEGIN{printf "%.1f", 128+sin(a*3.14159/180)*104}')
  rays="$rays line $x1,$y1 $x2,$y2"
done
convert -size 256x256 xc:none \
  -fill '#1d3557' -draw 'roundrectangle 8,8 247,247 48,48' \
  -stroke '#ffd166' -strokewidth 18 -draw "$rays" \
  -stroke none -fill '#ffd166' -draw 'circle 128,128 128,78' \
  "$tmp/icon.png"
convert "$tmp/icon.png" -define icon:auto-resize=48,32,16 "$root/resources/app.ico"
