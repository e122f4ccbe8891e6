#!/bin/sh
# wine-setup.sh up <prefix> <wine dir> <reg file>: create or update the prefix,
#   import the settings that make dialogs fast and fonts metric-compatible,
#   and start a persistent wineserver.
# wine-setup.sh down <prefix> <wine dir>: stop that wineserver.
# Every Wine call reads from and writes to /dev/null: a persistent wineserver
# inherits the pipes of the first process and would keep a pipe open forever.
set -e
action=$1
export WINEPREFIX=$2
wine_dir=$3
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

case "$action" in
up)
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        "$wine_dir/wine64" wineboot -i </dev/null >/dev/null 2>&1 || true
        "$wine_dir/wineserver" -w </dev/null >/dev/null 2>&1 || true
    fi
    fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    for f in /usr/share/wine/fonts/*.ttf; do
        [ -f "$f" ] && cp -n "$f" "$fonts/" 2>/dev/null || true
    done
    # A server left by an interrupted run keeps its desktop on that run's X
    # display, which may be gone: stop it, and start one for this display.
    "$wine_dir/wineserver" -k </dev/null >/dev/null 2>&1 || true
    "$wine_dir/wineserver" -w </dev/null >/dev/null 2>&1 || true
    "$wine_dir/wineserver" -p </dev/null >/dev/null 2>&1 || true
    "$wine_dir/wine64" regedit /S "$4" </dev/null >/dev/null 2>&1
    echo "wine prefix ready: $WINEPREFIX"
    ;;
down)
    "$wine_dir/wineserver" -k </dev/null >/dev/null 2>&1 || true
    ;;
esac
