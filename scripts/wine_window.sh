# Functions for driving the program's window from the X side, and the start every
# end-to-end script shares (sourced).
# Needs DISPLAY, xdotool and the project's Wine environment.

TOVIK_TITLE="Tovik崩溃桌面亮度恢复"

# wait_window <seconds>: prints the X window id of the main window once mapped.
wait_window() {
  local limit=$(( ${1:-30} * 10 )) id=""
  for _ in $(seq 1 "$limit"); do
    id="$(xdotool search --onlyvisible --name "^${TOVIK_TITLE}\$" 2>/dev/null | head -1)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# pointer_to <x> <y>: puts the pointer there. Not "mousemove --sync": when the
# pointer is already at the target it waits 15 s for a move that never comes.
# xdotool's exit flushes and syncs its connection, so the server has the warp.
pointer_to() {
  xdotool mousemove "$1" "$2"
}

# layout_point <file> <name>: "X Y" of a "name X Y" line of the gallery's layout
# file (the client origin is "client").
layout_point() { sed -n "s/^$2 //p" "$1" | tr -d '\r' | head -1; }

# window_origin <id>: prints "X Y" of the window's top-left on the screen.
window_origin() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '/^X=/{x=$2} /^Y=/{y=$2} END{print x, y}'
}

# click_restore_button <id>: a real mouse click in the middle of "亮度恢复"
# (client 76,115, 109 x 31).
click_restore_button() {
  local x y
  read -r x y < <(window_origin "$1")
  pointer_to $((x + 76 + 54)) $((y + 115 + 15))
  sleep 0.3
  xdotool click 1
}

# bar_pixels <id>: a digest of the bottom bar's panel left of the button (client
# 3,121, 73 x 25), where the program writes its one-line status.
bar_pixels() {
  local x y
  read -r x y < <(window_origin "$1")
  import -window root -crop 73x25+$((x + 3))+$((y + 121)) +repage rgb:- 2>/dev/null | md5sum
}

# close_with_escape <id> <pid>: closes the program the way a user would, with Esc
# over its window (without a window manager the keyboard follows the pointer),
# and waits for the process; a program that does not go is ended. Returns 1 then.
close_with_escape() {
  local x y
  read -r x y < <(window_origin "$1")
  pointer_to $((x + 20)) $((y + 60))
  xdotool key Escape
  for _ in $(seq 1 100); do kill -0 "$2" 2>/dev/null || return 0; sleep 0.1; done
  kill "$2" 2>/dev/null
  return 1
}

# ---- What every end-to-end script starts with

fail() { echo "FAIL: $*"; exit 1; }

# e2e_begin <name>: needs a DISPLAY; makes $work (a scratch folder) and $pid (the
# program under test), both cleared away on exit.
e2e_begin() {
  [ -n "${DISPLAY:-}" ] || fail "no DISPLAY"
  work="$(mktemp -d "/tmp/tovik-$1.XXXXXX")"
  pid=""
  trap e2e_end EXIT
}
e2e_end() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "${ramp_touched:-}" ] && xgamma -gamma 1.0 >/dev/null 2>&1
  rm -rf "$work"
}

# program_in_odd_folder <exe> <xramp>: copies the program into a folder of $work
# whose path has a space and Chinese characters (sets $folder and $program); the
# display's ramp is put back on exit. The X server must have gamma ramps.
program_in_odd_folder() {
  "$2" print >/dev/null || fail "this X server has no gamma ramp (it must be the Xorg dummy server)"
  ramp_touched=1
  folder="$work/运行 目录 test"
  program="$folder/Tovik 亮度.exe"
  mkdir -p "$folder"
  cp "$1" "$program"
}

# helpers_left: the programs in $folder other than the program itself.
helpers_left() { find "$folder" -name '*.exe' ! -name "$(basename "$program")"; }
