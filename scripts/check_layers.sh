#!/usr/bin/env bash
# The skin engine's folders are layers, and a file includes only its own layer
# and those below it:
#   skin/base      what every skinner stands on (look, state, guards, the window
#                  table and records, properties, background capture, toolkit)
#   skin/frame     the skinned top-level window (layout, painter, procedure,
#                  caption buttons, menu row)
#   skin/controls  the control skinners
#   skin/entry     skinning a window and the public interface, on top
# Exits 1 and names every include that points up (or into an unknown folder).
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
rank() {
  case "$1" in
    base) echo 0 ;; frame) echo 1 ;; controls) echo 2 ;; entry) echo 3 ;; *) echo 99 ;;
  esac
}
bad=0
while IFS=: read -r file _ line; do
  layer="${file#skin/}"; layer="${layer%%/*}"
  target="$(sed -n 's|.*#include "skin/\([a-z_]*\)/.*|\1|p' <<<"$line")"
  [ -n "$target" ] || continue
  if [ "$(rank "$layer")" = 99 ] || [ "$(rank "$target")" -gt "$(rank "$layer")" ]; then
    echo "layering: $file includes skin/$target/ (${line#*#include })"
    bad=1
  fi
done < <(cd "$root" && grep -rn '#include "skin/' skin --include='*.cpp' --include='*.h')
[ "$bad" = 0 ] && echo "layering: skin/ includes point one way (base <- frame <- controls <- entry)"
exit "$bad"
