# Functions for driving the program's window from the X side (sourced).
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
