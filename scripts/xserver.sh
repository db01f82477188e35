#!/usr/bin/env bash
# Starts the project's own headless X server (Xorg, dummy driver) if it is not
# running and prints its display name. Usage: xserver.sh start|stop
set -u
here="$(cd "$(dirname "$0")" && pwd)"
num="${TOVIK_XDISPLAY:-77}"
disp=":$num"
state="/tmp/tovik-xorg-$num"
case "${1:-start}" in
  start)
    if ! xdpyinfo -display "$disp" >/dev/null 2>&1; then
      mkdir -p "$state"
      Xorg "$disp" -noreset -nolisten tcp -config "$here/xorg-dummy.conf" \
        -logfile "$state/Xorg.log" >"$state/stdout" 2>&1 &
      echo $! >"$state/pid"
      for _ in $(seq 1 100); do
        xdpyinfo -display "$disp" >/dev/null 2>&1 && break
        sleep 0.1
      done
      xdpyinfo -display "$disp" >/dev/null 2>&1 || { tail -20 "$state/Xorg.log" >&2; echo "X server did not start" >&2; exit 1; }
    fi
    # With no X resources at all, Xlib looks for ~/.Xdefaults again on every
    # lookup (tens of thousands of failed opens in a test run); one resource
    # gives it a database to keep.
    xrdb -query -display "$disp" 2>/dev/null | grep -q . ||
      echo "tovik.headless: true" | xrdb -display "$disp" -merge 2>/dev/null
    echo "$disp"
    ;;
  stop)
    [ -f "$state/pid" ] && kill "$(cat "$state/pid")" 2>/dev/null
    rm -f "$state/pid"
    ;;
esac
