#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine
# and prepares the Wine prefix. Safe to run again: it skips what is already there.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/env.sh"

log() { echo "[setup] $*" >&2; }

pkgs=(
  cmake make g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine32:i386 wine64
  libxxf86vm1:i386 libxrandr2:i386 libxrender1:i386 libxi6:i386 libxcursor1:i386
  libxinerama1:i386 libxfixes3:i386 libxcomposite1:i386 libfreetype6:i386 libfontconfig1:i386
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils x11-utils x11-apps
  xdotool imagemagick locales fonts-wqy-zenhei fonts-arphic-uming
  gcc libc6-dev libx11-dev libxxf86vm-dev
  googletest
)

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  log "installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  # A half-synced i386 index of the security suite makes update exit non-zero
  # while the main suite is fine, so its exit code is not a verdict.
  apt-get update -q >/dev/null 2>&1 || log "apt-get update reported errors; carrying on"
  if ! apt-get install -y -q "${missing[@]}" >/tmp/setup-apt.log 2>&1; then
    # Same versions for both architectures from the main suite resolve the
    # "held broken" wine32:i386 case.
    log "plain install failed; retrying with the main suite preferred"
    apt-get install -y -q -t bookworm "${missing[@]}" >>/tmp/setup-apt.log 2>&1 || {
      tail -30 /tmp/setup-apt.log >&2; log "package install failed"; exit 1; }
  fi
fi

# Whether this kernel runs 32-bit programs is known once the i386 loader is here.
. "$here/env.sh"

# zh_CN.UTF-8 makes Wine's ANSI code page 936 (GBK), which the program's texts use.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  log "generating zh_CN.UTF-8"
  localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || { log "localedef failed"; exit 1; }
fi

# Wine prefix: created once; its settings are (re)applied whenever their
# version below changes, so an older prefix is brought up to date too.
prefix_version=3
if [ ! -f "$WINEPREFIX/.project-ready" ]; then
  log "creating the Wine prefix in $WINEPREFIX (about half a minute)"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  [ -f "$WINEPREFIX/system.reg" ] && [ -d "$WINEPREFIX/drive_c/windows/system32" ] ||
    { log "Wine could not create its prefix"; exit 1; }
  touch "$WINEPREFIX/.project-ready"
fi
if [ "$(cat "$WINEPREFIX/.project-settings" 2>/dev/null)" != "$prefix_version" ]; then
  log "applying the Wine prefix settings"
  ok=true
  # Windows draws 宋体 (SimSun) as a Ming face: AR PL UMing is the closest here.
  # The sans names get a sans face, so tests still have a second family.
  for name in "宋体" "SimSun"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "AR PL UMing CN" /f >/dev/null 2>&1 || ok=false
  done
  for name in "Tahoma" "Arial" "Microsoft Sans Serif"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "WenQuanYi Zen Hei" /f >/dev/null 2>&1 || ok=false
  done
  # Without a window manager, a "managed" window makes Wine wait two seconds
  # for one each time it is hidden or destroyed.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 || ok=false
  # Windows' classic look for the native controls: with Wine's "Light" visual
  # style every default window procedure call goes through uxtheme's hooks,
  # which ask the server for the window's theme and the display's DPI each
  # time (a fifth of the control tests' time). The skin draws its own look either way.
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /t REG_SZ /d 0 /f >/dev/null 2>&1 || ok=false
  wineserver -w
  if $ok; then echo "$prefix_version" >"$WINEPREFIX/.project-settings"; else log "Wine did not take the prefix settings"; exit 1; fi
fi
log "ready"
