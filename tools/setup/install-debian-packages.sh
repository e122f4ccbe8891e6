#!/bin/sh
# Installs the Debian 12 packages the build and the tests need, when missing.
# Runs as root (apt-get); does nothing when everything is already there.
set -e
packages="cmake make g++ clang libclang-rt-14-dev clang-tidy cppcheck \
  libgtest-dev googletest libbenchmark-dev \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 \
  wine64 fonts-wine fonts-liberation2 xvfb xauth imagemagick \
  cups printer-driver-cups-pdf poppler-utils python3 \
  wixl msitools zip unzip x11-utils python3-yaml"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing Debian packages:$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root, or install them yourself: apt-get install$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
apt-get install -y -q --no-install-recommends $missing
