#!/usr/bin/env bash
# End to end with a calibrated display: a colour profile with a known video-card
# gamma table ('vcgt') is registered where Wine's GetICMProfileW finds it for the
# display (the first value name under HKLM\...\ICM\mntr, a file in the colour
# folder of this Wine prefix), and the display is darkened from X. A click and
# "/restore" must each leave the X server's ramp on that curve, and the bar's line
# must differ from the flat-ramp line; "/identity" must leave the identity; a
# curve the display refuses must not leave it dark ("/restore" exits 1, the ramp
# is the identity); with the profile gone, a click restores the identity as it
# always did. The registry value and the file are removed on exit, whatever
# happened.
set -u
exe="$1"; xramp="$2"
root="$(cd "$(dirname "$0")/../.." && pwd)"
. "$root/scripts/env.sh"
. "$root/scripts/wine_window.sh"

e2e_begin calibration
program_in_odd_folder "$exe" "$xramp"

icm_key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\ICM\mntr'
profile_name="tovik-e2e-calibrated.icm"
# 64-bit and 32-bit programs both find the profile: the key in both registry
# views, the file in both system folders (the second only in a WoW64 prefix).
color_dirs=("$WINEPREFIX/drive_c/windows/system32/spool/drivers/color")
[ -d "$WINEPREFIX/drive_c/windows/syswow64" ] &&
  color_dirs+=("$WINEPREFIX/drive_c/windows/syswow64/spool/drivers/color")
views=(/reg:64 /reg:32)

registered=""
made_dirs=()  # folders made for the profile, removed again when empty
remove_profile() {
  if [ -n "$registered" ]; then
    for view in "${views[@]}"; do
      wine reg delete "$icm_key" /v "$profile_name" /f "$view" >/dev/null 2>&1
    done
    registered=""
  fi
  for dir in "${color_dirs[@]}"; do rm -f "$dir/$profile_name"; done
  for ((k = ${#made_dirs[@]} - 1; k >= 0; k--)); do rmdir "${made_dirs[k]}" 2>/dev/null; done
  made_dirs=()
}
trap 'remove_profile; e2e_end' EXIT

# A run that was killed may have left its profile behind; Wine takes the key's
# first value, so any other profile registered there would win.
registered=1
remove_profile
for view in "${views[@]}"; do
  others="$(wine reg query "$icm_key" "$view" 2>/dev/null | grep -c 'REG_')"
  [ "$others" -eq 0 ] || fail "this Wine prefix already has a display profile registered ($view)"
done

# The curve: red scaled to 61200, green a square law, blue from 257 to 51257
# (Wine 8 refuses a ramp whose black is raised much further). The refused one:
# blue inverted, which no system takes. Sets $v.
curve_value() {  # channel index
  case $1 in
    0) v=$(($2 * 240)) ;;
    1) v=$(($2 * $2 * 65535 / 65025)) ;;
    2) if [ "$curve" = refused ]; then v=$((65535 - $2 * 257)); else v=$((257 + $2 * 200)); fi ;;
  esac
}
put() {  # width value: appends the value to $f as big-endian printf escapes
  local k
  for ((k = $1 - 1; k >= 0; k--)); do printf -v f '%s\\%03o' "$f" $(($2 >> (8 * k) & 255)); done
}
# Signatures: 'mntr', 'RGB ', 'XYZ ', 'acsp', 'vcgt'.
mntr=0x6D6E7472 rgb=0x52474220 xyz=0x58595A20 acsp=0x61637370 vcgt=0x76636774

# write_profile <file>: a display profile whose only tag is the 'vcgt' table of
# the curve (3 channels, 256 16-bit entries); the curve also goes to curve.txt.
write_profile() {
  local c i line tag_size=$((18 + 3 * 256 * 2))
  f=""
  put 4 $((144 + tag_size)); put 4 0; put 4 0; put 4 $mntr; put 4 $rgb; put 4 $xyz
  for ((i = 24; i < 36; i += 4)); do put 4 0; done
  put 4 $acsp
  for ((i = 40; i < 128; i += 4)); do put 4 0; done
  put 4 1; put 4 $vcgt; put 4 144; put 4 $tag_size
  put 4 $vcgt; put 4 0; put 4 0; put 2 3; put 2 256; put 2 2
  : >"$work/curve.txt"
  for c in 0 1 2; do
    line=""
    for ((i = 0; i < 256; i++)); do
      curve_value $c $i
      put 2 $v
      line+="$v "
    done
    echo "$line" >>"$work/curve.txt"
  done
  printf "$f" >"$1"
}

install_profile() {  # calibrated|refused
  curve="$1"
  write_profile "$work/$profile_name"
  [ "$(stat -c %s "$work/$profile_name")" -eq $((144 + 18 + 1536)) ] || fail "profile not written whole"
  for dir in "${color_dirs[@]}"; do
    local up="$dir" missing=()
    while [ ! -d "$up" ]; do missing=("$up" "${missing[@]}"); up="$(dirname "$up")"; done
    made_dirs+=("${missing[@]}")
    mkdir -p "$dir"
    cp "$work/$profile_name" "$dir/" || fail "cannot place the profile in $dir"
  done
  registered=1
  for view in "${views[@]}"; do
    wine reg add "$icm_key" /v "$profile_name" /t REG_BINARY /d 00 /f "$view" >/dev/null 2>&1 ||
      fail "cannot register the profile ($view)"
  done
}

darken() {
  xgamma -gamma 0.5 >/dev/null 2>&1
  "$xramp" check >/dev/null 2>&1 && fail "xgamma did not change the ramp"
  "$xramp" match "$work/curve.txt" >/dev/null 2>&1 && fail "the dark ramp is the calibration curve"
}

# wait_ramp check|match: polls the X ramp for up to 10 s.
wait_ramp() {
  for _ in $(seq 1 100); do
    "$xramp" "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  "$xramp" print
  "$xramp" "$@"
  return 1
}

# click_case: starts the window, clicks "亮度恢复", waits for the ramp (wait_ramp's
# arguments) and for the bar's line to change; sets $bar to the bar's digest then.
click_case() {
  (cd / && exec wine "$program") >/dev/null 2>&1 &
  pid=$!
  local win before after=""
  win="$(wait_window 60)" || fail "the window did not appear"
  sleep 0.5
  before="$(bar_pixels "$win")"
  click_restore_button "$win"
  wait_ramp "$@" || fail "after the click the ramp is not as wanted ($*)"
  for _ in $(seq 1 50); do
    after="$(bar_pixels "$win")"
    [ "$after" != "$before" ] && break
    sleep 0.1
  done
  [ "$after" != "$before" ] || fail "the bar's line did not change after the click"
  sleep 0.5
  local left; left="$(helpers_left)"
  [ -z "$left" ] || fail "helper left behind: $left"
  close_with_escape "$win" "$pid" || echo "note: Esc did not reach the window; ended the program"
  wait "$pid" 2>/dev/null; pid=""
  bar="$after"
}

# command_case <switch> <exit code> <wait_ramp arguments...>: runs the program
# with the switch.
command_case() {
  local switch="$1" want="$2"; shift 2
  (cd / && exec wine "$program" "$switch") >/dev/null 2>&1 </dev/null &
  pid=$!
  wait "$pid"; local code=$?; pid=""
  [ "$code" -eq "$want" ] || fail "$switch exited $code, not $want"
  wait_ramp "$@" || fail "after $switch the ramp is not as wanted ($*)"
  local left; left="$(helpers_left)"
  [ -z "$left" ] || fail "helper left behind: $left"
}

install_profile calibrated
passed=0

echo "== calibrated display, darkened, click"
darken
click_case match "$work/curve.txt"
calibrated_bar="$bar"
"$xramp" print
passed=$((passed + 1))

echo "== calibrated display, darkened, /restore"
darken
command_case /restore 0 match "$work/curve.txt"
passed=$((passed + 1))

echo "== calibrated display, darkened, /identity"
darken
command_case /identity 0 check
passed=$((passed + 1))

echo "== a curve the display refuses, darkened, /restore"
remove_profile
install_profile refused
darken
command_case /restore 1 check
passed=$((passed + 1))

echo "== profile removed, darkened, click"
remove_profile
darken
click_case check
[ "$bar" != "$calibrated_bar" ] ||
  fail "the line after restoring the calibration is the flat-ramp line"
passed=$((passed + 1))

echo "$passed passed, 0 failed"
