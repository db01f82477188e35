#!/usr/bin/env bash
# The skin engine as a client gets it: installed from a build into a scratch
# prefix, then found by a separate CMake project (examples/, built outside the
# source tree) against the static library and against TovikSkin.dll. Checks on
# the way: the DLL exports the header's C functions and nothing else, and no
# program or DLL needs the compiler's runtime DLLs, and the README's plain link
# lines work. With "run" the examples also start under Wine: each
# window must be skinned (the skin's window shape is on the X window and the
# desktop shows at its rounded corners; a native window has no shape and a light
# frame edge there) and close by its skinned close button with exit code 0.
# Usage: package_examples.sh <arch> <engine build dir>|other build|run
# "other" is the build scripts/build_both.sh compiles besides the one the tests
# run on ($TOVIK_OTHER_BUILD_DIR, else build-<arch>). Exits 77 (skipped) when
# that build has not been configured. With TOVIK_SHOT_DIR set, the windows'
# screenshots are kept there.
set -u
arch="$1"; engine="$2"; mode="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
[ "$engine" = other ] && engine="${TOVIK_OTHER_BUILD_DIR:-$root/build-$arch}"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"
export LC_ALL=C.UTF-8  # the compilers' own messages in English

[ -f "$engine/CMakeCache.txt" ] ||
  { echo "SKIPPED: no $arch build in $engine (scripts/build_both.sh makes it)"; exit 77; }
[ "$mode" = build ] || [ -n "${DISPLAY:-}" ] || fail "no DISPLAY"
work="$(mktemp -d "/tmp/tovik-package-$arch.XXXXXX")"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
prefix="$work/prefix"
cross="$arch-w64-mingw32"
objdump="$cross-objdump"
# step <log name> <command...>: runs it quietly; on failure shows the log's end.
step() {
  local log="$work/$1.log"; shift
  "$@" >"$log" 2>&1 || { tail -30 "$log"; fail "$*"; }
}
imports() { "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'; }
# runtime_free <file>: imports no runtime DLL of the compiler's (libstdc++-6,
# libgcc_s_*, libwinpthread-1); Windows' own DLLs have no "lib" prefix.
runtime_free() {
  local bad; bad="$(imports "$1" | grep -i '^lib')"
  [ -z "$bad" ] || fail "$(basename "$1") needs the compiler's runtime: $bad"
}
# links_dll <file> yes|no: whether it imports TovikSkin.dll.
links_dll() {
  local n; n="$(imports "$1" | grep -ci '^TovikSkin\.dll$')"
  [ "$2" = yes ] && [ "$n" = 1 ] && return 0
  [ "$2" = no ] && [ "$n" = 0 ] && return 0
  fail "$(basename "$1"): imports TovikSkin.dll $n times, expected: $2"
}

echo "== the $arch engine, installed"
step engine-build cmake --build "$engine" --target TovikSkin TovikSkinDll
step install cmake --install "$engine" --prefix "$prefix"
for f in include/tovik/skin.h lib/libTovikSkin.a lib/libTovikSkin.dll.a lib/TovikSkin.def \
         bin/TovikSkin.dll lib/cmake/TovikSkin/TovikSkinConfig.cmake \
         lib/cmake/TovikSkin/TovikSkinConfigVersion.cmake; do
  [ -s "$prefix/$f" ] || fail "not installed: $f"
done
dll="$prefix/bin/TovikSkin.dll"
declared="$(sed -n 's/^TOVIK_SKIN_API .*[ *]\(TovikSkin[A-Za-z0-9_]*\)(.*/\1/p' "$prefix/include/tovik/skin.h" | sort)"
exported="$("$objdump" -p "$dll" |
  sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^[[:space:]]*\[ *[0-9]*\] //p' | sort)"
[ -n "$declared" ] || fail "no functions found in tovik/skin.h"
[ "$declared" = "$exported" ] ||
  fail "TovikSkin.dll exports $(echo $exported), the header declares $(echo $declared)"
runtime_free "$dll"
echo "TovikSkin.dll exports exactly: $(echo $exported)"
echo "and imports: $(imports "$dll" | tr '\n' ' ')"

echo "== examples/ built with find_package(TovikSkin), static and DLL"
# One build folder, configured for the static library and then switched to the
# DLL, as a client would; the static programs are kept aside for the run.
out="$work/examples"
for link in static dll; do
  use_dll=OFF; [ $link = dll ] && use_dll=ON
  step "configure-$link" cmake -S "$root/examples" -B "$out" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_PREFIX_PATH="$prefix" \
    -DTOVIK_EXAMPLES_USE_DLL=$use_dll \
    "-DCMAKE_C_FLAGS=-Wall -Wextra -Werror" "-DCMAKE_CXX_FLAGS=-Wall -Wextra -Werror"
  step "build-$link" cmake --build "$out" -j2
  for exe in SettingsDialog TeaTimer; do
    [ -s "$out/$exe.exe" ] || fail "no $exe.exe ($link)"
    links_dll "$out/$exe.exe" "$([ $link = dll ] && echo yes || echo no)"
    runtime_free "$out/$exe.exe"
  done
  if [ $link = static ]; then
    mkdir -p "$work/run-static" && cp "$out"/*.exe "$work/run-static/"
  else
    [ -s "$out/TovikSkin.dll" ] || fail "TovikSkin.dll was not copied beside the examples"
    mv "$out" "$work/run-dll"
  fi
  echo "$link: SettingsDialog.exe TeaTimer.exe"
done

echo "== the README's link lines (tea_timer.c by hand)"
mkdir -p "$work/plain"
src="$root/examples/c_window/tea_timer.c"
inc=(-I"$prefix/include")
step plain-static-cc "$cross-gcc-posix" -Wall -Wextra -Werror "${inc[@]}" -c "$src" -o "$work/plain/static.o"
step plain-static-link "$cross-g++-posix" -static -mwindows -o "$work/plain/static.exe" "$work/plain/static.o" \
  -L"$prefix/lib" -lTovikSkin -lgdiplus -lmsimg32 -lcomctl32 -lgdi32 -luser32 -lole32 -loleaut32 -luuid
step plain-dll-cc "$cross-gcc-posix" -Wall -Wextra -Werror -DTOVIK_SKIN_DLL "${inc[@]}" -c "$src" -o "$work/plain/dll.o"
step plain-dll-link "$cross-gcc-posix" -static -mwindows -o "$work/plain/dll.exe" "$work/plain/dll.o" \
  "$prefix/lib/libTovikSkin.dll.a" -lcomctl32
links_dll "$work/plain/static.exe" no
links_dll "$work/plain/dll.exe" yes
for exe in "$work"/plain/*.exe; do runtime_free "$exe"; done
echo "both link; the static one alone, the other to TovikSkin.dll"

[ "$mode" = run ] || { echo "PASS"; exit 0; }

# skinned <id> <name> <shot file>: the window on screen is the skin's.
skinned() {
  local w h p
  xwininfo -shape -id "$1" | grep -q "Window shape extents" ||
    fail "$2 has no window shape: its frame is the native one"
  eval "$(xdotool getwindowgeometry --shell "$1")"  # X Y WIDTH HEIGHT
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$3" 2>/dev/null || fail "no screenshot"
  w=$WIDTH; h=$HEIGHT
  for p in 0,0 $((w - 1)),0 0,$((h - 1)) $((w - 1)),$((h - 1)); do
    [ "$(convert "$3" -format "%[fx:round(255*max(p{$p}.r,max(p{$p}.g,p{$p}.b)))]" info:)" = 0 ] ||
      fail "$2: the corner $p is not cut away (the desktop does not show)"
  done
  [ "$(convert "$3" -format "%[fx:round(255*mean)]" info:)" -gt 10 ] || fail "$2: the window is dark"
  # The caption's title: white text on the picture's dark sky, left of the
  # caption buttons (none there when the title's face cannot be made).
  local title
  title="$(convert "$3" -crop "$((w - 100))x20+9+4" +repage -fx "min(r,min(g,b))>0.9" \
    -format "%[fx:round(mean*w*h)]" info:)"
  [ "$title" -ge 20 ] || fail "$2: no title in the caption ($title white pixels)"
}

# Each build's two programs run side by side (the dialog centred, the timer at
# the top left), are checked and closed by the skinned close buttons.
for link in static dll; do
  echo "== running the $link examples"
  out="$work/run-$link"
  pids=()
  for exe in SettingsDialog TeaTimer; do
    (cd "$out" && exec wine "./$exe.exe") >/dev/null 2>&1 &
    pids+=($!)
  done
  pointer_to 0 767  # off both windows: no hover look
  ids=()
  for title in "Backup settings" "Tea timer"; do
    id="$(TOVIK_TITLE="$title" wait_window 60)" || fail "\"$title\" did not appear ($link)"
    ids+=("$id")
  done
  sleep 1  # the first paints
  skinned "${ids[0]}" "SettingsDialog ($link)" "$work/dialog-$link.png"
  skinned "${ids[1]}" "TeaTimer ($link)" "$work/timer-$link.png"
  for i in 0 1; do
    read -r x y < <(window_origin "${ids[$i]}")
    eval "$(xdotool getwindowgeometry --shell "${ids[$i]}")"
    pointer_to $((x + WIDTH - 19)) $((y + 10)); xdotool click 1
    pointer_to 0 767
  done
  for i in 0 1; do
    for _ in $(seq 1 100); do kill -0 "${pids[$i]}" 2>/dev/null || break; sleep 0.1; done
    kill -0 "${pids[$i]}" 2>/dev/null && fail "program $((i + 1)) ($link) did not close by its close button"
    wait "${pids[$i]}"; rc=$?
    [ "$rc" = 0 ] || fail "program $((i + 1)) ($link) exited with $rc"
  done
  pids=()
  echo "$link: both skinned, both closed with exit code 0"
done
if [ -n "${TOVIK_SHOT_DIR:-}" ]; then
  mkdir -p "$TOVIK_SHOT_DIR"
  cp "$work/dialog-static.png" "$TOVIK_SHOT_DIR/example-dialog.png"
  cp "$work/timer-dll.png" "$TOVIK_SHOT_DIR/example-c.png"
  echo "screenshots: $TOVIK_SHOT_DIR/example-dialog.png $TOVIK_SHOT_DIR/example-c.png"
fi
echo "PASS"
