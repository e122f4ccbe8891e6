#!/bin/sh
# The release files under Wine, in the tests' Wine prefix.
#
#   package-test.sh msi|zip <wine-run.sh> <wine prefix> <package_probe.exe>
#                   <release dir> <version> <work dir>
#
# msi: an older version is installed first; the release MSI replaces it
#      (msiexec /i ... /qn). Checked: one installed product of the new
#      version, the files (the same bytes as in the zip), the Start-menu
#      shortcut (target and working directory). The program is started from
#      the shortcut and must show its main window with results, not the
#      data-file message; a picture of it is left in <work dir>. Then
#      msiexec /x: no file, shortcut or product entry is left, and the
#      user's settings, which the program wrote when it closed, are.
# zip: unpacked into a fresh folder: exactly the program, Olvane.tbx and a
#      CRLF readme.txt; started from that folder it shows its results;
#      started from another folder it says it cannot read its data file.
set -e
kind=$1
wine=$2
prefix=$3
probe_exe=$4
release=$5
version=$6
work=$7
name="Varnu-Olvane-$version-win64"
here=$(cd "$(dirname "$0")" && pwd)
install_dir="$prefix/drive_c/Program Files/Varnu Olvane"
install_dir_win='C:\Program Files\Varnu Olvane'
settings_key='HKCU\Software\Varnu Olvane 3\Varnu Olvane'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

fail() {
    echo "FAIL: $*"
    exit 1
}
step() {
    echo "-- $*"
}
# A Unix path as Wine sees it (drive Z:).
winpath() {
    printf 'Z:%s' "$1" | tr / '\\'
}
w() {
    "$wine" "$@" </dev/null 2>/dev/null | tr -d '\r'
}
# package_probe's output without CRs; its exit status.
probe() {
    if "$wine" "$probe_exe" "$@" </dev/null >"$work/probe.out" 2>&1; then
        status=0
    else
        status=$?
    fi
    tr -d '\r' <"$work/probe.out"
    return $status
}
# "<product code> <version>" of every installed product named Varnu Olvane.
installed_products() {
    w reg query "$uninstall_key" /s | awk '
        /^HKEY_/ { key = $0; sub(/.*\\/, "", key); name = ""; version = "" }
        /^ +DisplayName +REG_SZ +/ { name = $0; sub(/^ +DisplayName +REG_SZ +/, "", name) }
        /^ +DisplayVersion +REG_SZ +/ { version = $0; sub(/^ +DisplayVersion +REG_SZ +/, "", version) }
        name == "Varnu Olvane" && version != "" { print key, version; name = "" }'
}
uninstall_all() {
    installed_products | while read -r code _; do
        w msiexec /x "$code" /qn || true
    done
}
# Starts the program with `wine "$@"` from the Unix folder $1 (Wine's current
# directory); the caller waits for it with `wait $program`.
start_in() {
    (cd "$1" && shift && exec "$wine" "$@" </dev/null >"$work/program.log" 2>&1) &
    program=$!
}
# The main window with nine results; closes it.
expect_results() {
    out=$(probe main-window 20000) || {
        echo "$out"
        fail "$1: no main window with results"
    }
    echo "$out" | grep -q '^row=.* m | .* mm$' || {
        echo "$out"
        fail "$1: the results are not tube lengths and diameters"
    }
    if [ -n "$2" ] && [ -n "$DISPLAY" ] && command -v import >/dev/null; then
        set -- $(echo "$out" | sed -n 's/^rect=//p')
        # Until two pictures in a row agree: the first paint is over.
        i=0
        while [ $i -lt 20 ]; do
            import -window root -crop "${3}x${4}+${1}+${2}" +repage "$work/shot.png"
            if [ -f "$work/shot-previous.png" ] && cmp -s "$work/shot.png" "$work/shot-previous.png"; then
                break
            fi
            mv "$work/shot.png" "$work/shot-previous.png"
            i=$((i + 1))
            sleep 0.2
        done
        mv "$work/shot.png" "$work/installed-program.png" 2>/dev/null ||
            mv "$work/shot-previous.png" "$work/installed-program.png"
        rm -f "$work/shot-previous.png"
        echo "picture of the installed program: $work/installed-program.png"
    fi
    probe close 10000 || fail "the program did not close"
    wait "$program" || true
}

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd)
[ -f "$release/$name.zip" ] || fail "no $release/$name.zip (cmake --build <build> --target release)"
unzip -q "$release/$name.zip" -d "$work/zip"

case "$kind" in
msi)
    msi="$release/$name.msi"
    [ -f "$msi" ] || fail "no $msi (is wixl installed?)"
    step "clean state: no installed copy, no settings of the installed program"
    uninstall_all
    w reg delete "$settings_key" /f || true
    [ -z "$(installed_products)" ] || fail "an earlier installation cannot be removed"

    step "an older version, then the release MSI over it"
    sh "$here/../../packaging/make-release.sh" 0.0.1 "$work/zip/Varnu Olvane.exe" \
        "$work/zip/Olvane.tbx" "$work/older" >/dev/null
    w msiexec /i "$(winpath "$work/older/Varnu-Olvane-0.0.1-win64.msi")" /qn ||
        fail "msiexec /i of version 0.0.1 failed"
    [ "$(installed_products | cut -d' ' -f2)" = "0.0.1" ] || fail "version 0.0.1 is not installed"
    w msiexec /i "$(winpath "$msi")" /qn || fail "msiexec /i $name.msi failed"
    products=$(installed_products)
    echo "$products"
    [ "$(echo "$products" | wc -l)" -eq 1 ] && [ "${products#* }" = "$version" ] ||
        fail "not exactly one installed product of version $version"

    step "files"
    [ "$(ls "$install_dir" | tr '\n' '/')" = "Olvane.tbx/Varnu Olvane.exe/readme.txt/" ] ||
        fail "installed: $(ls "$install_dir" | tr '\n' '/')"
    for f in "Varnu Olvane.exe" Olvane.tbx readme.txt; do
        cmp -s "$install_dir/$f" "$work/zip/$f" || fail "$f differs from the zip's"
    done

    step "Start-menu shortcut"
    links=$(find "$prefix/drive_c" -name "Varnu Olvane.lnk")
    [ -n "$links" ] && [ "$(echo "$links" | wc -l)" -eq 1 ] || fail "shortcuts: $links"
    echo "$links"
    shortcut=$(probe shortcut "$(winpath "$links")") || fail "$shortcut"
    echo "$shortcut"
    echo "$shortcut" | grep -qxF "target=$install_dir_win\\Varnu Olvane.exe" || fail "shortcut target"
    # The installer writes the folder with a closing backslash.
    echo "$shortcut" | sed 's/\\$//' | grep -qxF "workdir=$install_dir_win" ||
        fail "shortcut working directory"

    step "started from the shortcut (Wine's start resolves it), from another folder"
    start_in "$work" start /wait /unix "$links"
    expect_results "from the shortcut" picture

    step "uninstall"
    w msiexec /x "$(winpath "$msi")" /qn || fail "msiexec /x failed"
    [ ! -e "$install_dir" ] || fail "left behind: $(ls -A "$install_dir")"
    [ -z "$(find "$prefix/drive_c" -name "Varnu Olvane.lnk")" ] || fail "the shortcut is left"
    [ -z "$(installed_products)" ] || fail "still registered: $(installed_products)"
    w reg query "$settings_key\\Settings1" | grep -q Refrig ||
        fail "the user's settings are gone (or the program did not write them)"
    ;;
zip)
    step "contents"
    [ "$(ls -A "$work/zip" | tr '\n' '/')" = "Olvane.tbx/Varnu Olvane.exe/readme.txt/" ] ||
        fail "the zip holds: $(ls -A "$work/zip" | tr '\n' '/')"
    awk 'length($0) == 0 || !/\r$/ { exit 1 }' "$work/zip/readme.txt" ||
        fail "readme.txt has a line without CRLF"
    iconv -f CP1252 -t UTF-8 "$work/zip/readme.txt" >/dev/null ||
        fail "readme.txt is not Windows-1252"

    step "started in the unpacked folder"
    start_in "$work/zip" "Varnu Olvane.exe"
    expect_results "in the unpacked folder"

    step "started from another folder: the data file is looked up there"
    start_in "$work" "$(winpath "$work/zip/Varnu Olvane.exe")"
    out=$(probe main-window 20000) && {
        echo "$out"
        fail "it started without its data file"
    }
    echo "$out"
    echo "$out" | grep -q 'Could not read Olvane.tbx' || fail "no data-file message"
    wait "$program" || true
    ;;
*)
    echo "usage: $0 msi|zip <wine-run.sh> <prefix> <probe.exe> <release dir> <version> <work dir>" >&2
    exit 2
    ;;
esac
echo "PASS: package $kind"
