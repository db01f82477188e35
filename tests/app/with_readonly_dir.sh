#!/usr/bin/env bash
# Runs a test with TOVIK_RO_DIR naming (as a Windows path) a folder nobody can
# write into, not even root: an immutable folder, else a read-only mount, else a
# folder without write permission (enough for a non-root user).
set -u
dir="$(mktemp -d /tmp/tovik-ro.XXXXXX)"
how=""
if chattr +i "$dir" 2>/dev/null; then how=immutable
elif mount -t tmpfs -o ro,size=64k tmpfs "$dir" 2>/dev/null; then how=mount
else chmod 555 "$dir"; how=chmod
fi
cleanup() {
  case "$how" in
    immutable) chattr -i "$dir" ;;
    mount) umount "$dir" ;;
  esac
  chmod 755 "$dir" 2>/dev/null; rm -rf "$dir"
}
trap cleanup EXIT
export TOVIK_RO_DIR="Z:${dir//\//\\}"
"$@"
