#!/bin/sh
# Starts the program under Wine from the distributable folder, with a Wine
# prefix of its own under build/ (created on first use). Without an X display
# the program runs on a virtual one (Xvfb) so that the command still works.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
dist="$root/build/dist"
wine_dir=/usr/lib/wine
export WINEPREFIX="$root/build/wineprefix-run"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
sh "$root/cmake/wine-setup.sh" up "$WINEPREFIX" "$wine_dir" "$root/cmake/wine-prefix.reg" >/dev/null
cd "$dist"
if [ -n "$DISPLAY" ]; then
    exec "$wine_dir/wine64" "Varnu Olvane.exe"
fi
echo "No DISPLAY: running on a virtual X display (xvfb-run)."
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$wine_dir/wine64" "Varnu Olvane.exe"
