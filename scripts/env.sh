# Shared environment for the project's scripts (sourced, not run).
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
export WINEARCH="${WINEARCH:-win64}"
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-tovik}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
