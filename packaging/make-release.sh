#!/bin/sh
# Makes the release files of one version:
#   <out>/Varnu-Olvane-<version>-win64.zip  the program, Olvane.tbx, readme.txt
#   <out>/Varnu-Olvane-<version>-win64.msi  the installer (wixl, packaging/Olvane.wxs)
#
#   make-release.sh <version> <program.exe> <Olvane.tbx> <out dir>
#
# The version is the project version (CMake passes it; the version resource
# is generated from the same). readme.txt is written in Windows-1252 with CRLF
# line ends, for Notepad. Without wixl (e.g. on MSYS2) only the zip is made.
set -e
version=$1
program=$2
data=$3
out=$4
if [ -z "$version" ] || [ ! -f "$program" ] || [ ! -f "$data" ] || [ -z "$out" ]; then
    echo "usage: $0 <version> <program.exe> <Olvane.tbx> <out dir>" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
name="Varnu-Olvane-$version-win64"

mkdir -p "$out"
out=$(cd "$out" && pwd)
stage="$out/stage"
rm -rf "$stage" "$out/$name.zip" "$out/$name.msi"
mkdir -p "$stage"
cp "$program" "$stage/Varnu Olvane.exe"
cp "$data" "$stage/Olvane.tbx"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$here/readme.txt" |
    iconv -f UTF-8 -t CP1252 >"$stage/readme.txt"

(cd "$stage" && zip -q -X -9 "$out/$name.zip" "Varnu Olvane.exe" Olvane.tbx readme.txt)
echo "$out/$name.zip"

if command -v wixl >/dev/null 2>&1; then
    # wixl takes source paths relative to the current directory. The icon
    # is only for the list of installed programs; it is not installed.
    cp "$here/../resources/icons/Olvane.ico" "$stage/Olvane.ico"
    (cd "$stage" && wixl -a x64 -D "Version=$version" -D "SourceDir=." \
        -o "$out/$name.msi" "$here/Olvane.wxs") 2>"$out/wixl.log" || {
        cat "$out/wixl.log" >&2
        exit 1
    }
    rm -f "$out/wixl.log"
    echo "$out/$name.msi"
else
    echo "wixl not found: no MSI made (Debian: apt-get install wixl)"
fi
rm -rf "$stage"
