# The control gallery under test, shared by its end-to-end scripts (sourced
# after wine_window.sh and e2e_begin): start it with a layout file and a
# report, read them, take screenshots, close it. Needs $exe and $work.

GALLERY_TITLE="皮肤控件样例"

# start_gallery <report>: starts the program, sets $pid, $win, and waits for the
# layout file ($work/layout.txt) the gallery writes as it starts: where its
# controls are (client coordinates) and their starting values. $ox $oy is the
# client area's origin on the screen (the skin's frame lies around it), $wx $wy
# the window's.
start_gallery() {
  (cd / && TOVIK_GALLERY_LAYOUT="$(winepath -w "$work/layout.txt" 2>/dev/null)" \
    exec wine "$exe" --report "$(winepath -w "$1" 2>/dev/null)") >/dev/null 2>&1 &
  pid=$!
  win="$(TOVIK_TITLE="$GALLERY_TITLE" wait_window 60)" || fail "the gallery did not appear"
  read -r wx wy < <(window_origin "$win")
  for _ in $(seq 1 100); do [ -s "$work/layout.txt" ] && break; sleep 0.1; done
  [ -s "$work/layout.txt" ] || fail "no layout written"
  read -r ox oy < <(layout_point "$work/layout.txt" client)
  [ -n "$ox" ] || fail "the layout lacks the client origin"
}

# close_gallery: a click on the skinned close button (the last of the caption's
# buttons at its right; Alt+F4 does not reach the window from every control: a
# tree view keeps it); the report is written as the window closes.
close_gallery() {
  local WIDTH
  eval "$(xdotool getwindowgeometry --shell "$win" | grep '^WIDTH=')"
  pointer_to $((wx + WIDTH - 19)) $((wy + 10))
  xdotool click 1
  for _ in $(seq 1 150); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then kill "$pid"; fail "the gallery did not close"; fi
  wait "$pid" 2>/dev/null; pid=""
}

# entry <file> <name>: the value of the line "<name>: ..." of a layout or report.
entry() { LC_ALL=C sed -n "s/^$2: //p" "$1" | tr -d '\r'; }

shot() { import -window root -depth 8 "ppm:$1" 2>/dev/null || fail "no screenshot"; }
