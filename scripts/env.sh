# Shared environment for the project's scripts (sourced, not run).
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
export WINEARCH="${WINEARCH:-win64}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-tovik}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# The program ships as a 32-bit build. On a kernel that cannot run 32-bit
# programs (the i386 loader fails to start), Wine can only start 64-bit .exe
# files, so everything is built for x86_64 there and Wine's 64-bit loader is used.
if [ -z "${TOVIK_ARCH:-}" ] && [ -e /lib/ld-linux.so.2 ]; then
  if /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    TOVIK_ARCH=i686; TOVIK_ARCH_WHY="this machine starts 32-bit programs"
  else
    TOVIK_ARCH=x86_64; TOVIK_ARCH_WHY="this kernel cannot start 32-bit programs, so Wine cannot start a 32-bit .exe"
  fi
  export TOVIK_ARCH TOVIK_ARCH_WHY
fi
export TOVIK_ARCH_WHY="${TOVIK_ARCH_WHY:-chosen by TOVIK_ARCH}"
if [ "${TOVIK_ARCH:-i686}" = x86_64 ]; then
  shim="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64-only"
  case ":$PATH:" in *":$shim:"*) ;; *) export PATH="$shim:$PATH" ;; esac
fi
