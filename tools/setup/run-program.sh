#!/bin/sh
# Starts the program under Wine from the distributable folder, with a Wine
# prefix of its own under build/ (created on first use).
#
# With an X display the program simply runs there. Without one it runs on a
# virtual screen (Xvfb) that nobody sees: once the main window has painted,
# a picture of it is saved to build/run-screenshot.png, and the program keeps
# running until Ctrl-C, which stops it, its wineserver and the virtual screen.
set -e
root=$(cd "$(dirname "$0")/../.." && pwd)
dist="$root/build/dist"
wine_dir=/usr/lib/wine
caption="Varnu Capillary Tube Selector"
screenshot="$root/build/run-screenshot.png"
export WINEPREFIX="$root/build/wineprefix-run"
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

setup_prefix() {
    sh "$root/cmake/wine-setup.sh" up "$WINEPREFIX" "$wine_dir" "$root/cmake/wine-prefix.reg" \
        >/dev/null
}

if [ -n "$DISPLAY" ]; then
    setup_prefix
    cd "$dist"
    exec "$wine_dir/wine64" "Varnu Olvane.exe"
fi

work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
    trap - EXIT INT TERM
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    "$wine_dir/wineserver" -k </dev/null >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap 'cleanup; exit 130' INT TERM
trap cleanup EXIT

# Xvfb picks a free display number and writes it to fd 3 once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" </dev/null \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
i=0
until [ -s "$work/display" ]; do
    i=$((i + 1))
    if [ $i -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        cat "$work/xvfb.log" >&2
        echo "The virtual X display did not start." >&2
        exit 1
    fi
    sleep 0.1
done
export DISPLAY=":$(cat "$work/display")"
echo "No DISPLAY: running on the virtual X display $DISPLAY (Xvfb)."

setup_prefix
cd "$dist"
"$wine_dir/wine64" "Varnu Olvane.exe" </dev/null >"$work/program.log" 2>&1 &
program_pid=$!

# The main window is there once X knows it by its caption and shows it;
# its first paint is over once two pictures in a row agree.
window=""
i=0
while [ -z "$window" ] && [ $i -lt 300 ] && kill -0 "$program_pid" 2>/dev/null; do
    if xwininfo -name "$caption" 2>/dev/null | grep -q "Map State: IsViewable"; then
        window=$(xwininfo -name "$caption" | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p')
    else
        sleep 0.1
        i=$((i + 1))
    fi
done
if [ -z "$window" ]; then
    echo "The main window did not appear (see the picture of the screen)." >&2
    window=root
fi
i=0
while [ $i -lt 25 ]; do
    import -window "$window" "$work/now.png"
    if [ -f "$work/before.png" ] && cmp -s "$work/now.png" "$work/before.png"; then
        break
    fi
    mv "$work/now.png" "$work/before.png"
    sleep 0.2
    i=$((i + 1))
done
[ -f "$work/now.png" ] || mv "$work/before.png" "$work/now.png"
mv "$work/now.png" "$screenshot"
echo "Screenshot of the running program: $screenshot"

if kill -0 "$program_pid" 2>/dev/null; then
    echo "The program keeps running on $DISPLAY; press Ctrl-C to stop it."
fi
status=0
wait "$program_pid" || status=$?
program_pid=""
exit $status
