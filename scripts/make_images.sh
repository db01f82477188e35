#!/usr/bin/env bash
# Re-makes the skin's image set in resources/skin/ from tools/imagegen/.
# The output is deterministic; the build uses the committed files and never runs this.
# Needs python3 and ImageMagick's convert/identify (JPEG encoding and checks).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/resources/skin"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

convert -version | grep -q ImageMagick || { echo "make_images: ImageMagick convert is required" >&2; exit 1; }

PYTHONDONTWRITEBYTECODE=1 python3 "$root/tools/imagegen/make_images.py" "$out" "$tmp/background.ppm"

# Baseline (sequential) 4:2:0 JPEG without metadata; quality 94 lands near 200 KB.
convert "$tmp/background.ppm" -strip -interlace none -sampling-factor 2x2 \
  -colorspace sRGB -depth 8 -quality 94 "JPEG:$out/background.jpg"

# Check every file's format and size so a broken generator fails here, not in the app.
fail=0
check_png() {  # name width height
  local f="$out/$1" desc
  desc="$(file -b "$f")"
  if [[ "$desc" != "PNG image data, $2 x $3, 8-bit/color RGBA, non-interlaced" ]]; then
    echo "make_images: $1: unexpected: $desc" >&2; fail=1
  fi
}
check_png arrow_up.png 7 4
check_png arrow_down.png 7 4
check_png arrow_left.png 4 7
check_png arrow_right.png 4 7
check_png caption_help.png 26 18
check_png caption_menu.png 26 18
check_png caption_min.png 26 18
check_png caption_max.png 26 18
check_png caption_restore.png 26 18
check_png caption_close.png 38 18
check_png check.png 13 12

jpg="$out/background.jpg"
desc="$(file -b "$jpg")"
case "$desc" in
  "JPEG image data"*"baseline, precision 8, 1024x640, components 3"*) ;;
  *) echo "make_images: background.jpg: unexpected: $desc" >&2; fail=1 ;;
esac
info="$(identify -format '%[colorspace] %[channels]' "$jpg")"
[[ "$info" == "sRGB srgb" ]] || { echo "make_images: background.jpg: $info" >&2; fail=1; }
bytes=$(stat -c %s "$jpg")
if (( bytes < 100000 || bytes > 250000 )); then
  echo "make_images: background.jpg is $bytes bytes" >&2; fail=1
fi

# Minimise, maximise/restore and close carry a faint white line (alpha 46) along row 0.
for n in caption_min caption_max caption_restore caption_close; do
  a=$(convert "$out/$n.png" -alpha extract -crop x1+0+0 -format '%[fx:minima] %[fx:maxima]' info:)
  [[ "$a" == "0.180392 0.180392" ]] || { echo "make_images: $n.png row 0 alpha: $a" >&2; fail=1; }
done
(( fail == 0 )) || exit 1
ls -l "$out"
