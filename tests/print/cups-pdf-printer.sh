#!/bin/sh
# A private CUPS server with one PDF printer, for printing tests under Wine.
#
#   cups-pdf-printer.sh up <dir>     start it; prints the CUPS_SERVER value
#   cups-pdf-printer.sh down <dir>   stop it and remove its files
#
# CUPS runs its filters as user lp, and lp cannot enter a private (0700)
# folder such as the one a clean clone may sit in ("Unable to open print
# file: Permission denied"). So the server's configuration, spool, logs, its
# local socket (cups.sock, no network port) and the PDF output (pdf/) live in
# a folder of their own, made with mktemp under /tmp and opened to the group
# lp only (root:lp, 0750). <dir> (in the build tree, which stays private) is
# a symbolic link to that folder; "down" removes both. Programs reach the
# server with CUPS_SERVER=<dir>/cups.sock; Wine then lists the printer
# "OlvanePDF" as its default printer.
#
# Needs root: the cups-pdf backend runs as root only, and it reads its
# per-printer settings from /etc/cups/cups-pdf-<instance>.conf, which this
# script writes on "up" and removes on "down". The instance is named after
# the folder, so that test runs of several build trees do not meet there. Exits with 77 (skipped) when
# CUPS, cups-pdf or root rights are missing.
set -e
action=$1
dir=$2
[ -n "$dir" ] || { echo "usage: $0 up|down <dir>" >&2; exit 2; }
printer=OlvanePDF
# The cups-pdf instance of a folder /tmp/olvane-cups.XXXXXX: olvaneXXXXXX.
instance_of() {
    echo "olvane$(basename "$1" | sed -e 's/^olvane-cups\.//' -e 's/[^A-Za-z0-9]//g')"
}
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

stop_server() {
    if [ -f "$dir/cupsd.pid" ]; then
        pid=$(cat "$dir/cupsd.pid")
        kill "$pid" 2>/dev/null || true
        i=0
        while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
            sleep 0.1
            i=$((i + 1))
        done
        kill -9 "$pid" 2>/dev/null || true
        rm -f "$dir/cupsd.pid"
    fi
}

# Stops the server of an earlier "up" and removes its folder and the link.
# A real folder at <dir> (left by an older version of this script) goes too.
remove_area() {
    if [ -L "$dir" ]; then
        target=$(readlink "$dir")
        stop_server
        case "$target" in
        /tmp/olvane-cups.*)
            rm -rf "$target"
            rm -f "/etc/cups/cups-pdf-$(instance_of "$target").conf"
            ;;
        esac
        rm -f "$dir"
    elif [ -d "$dir" ]; then
        stop_server
        rm -rf "$dir"
    fi
}

case "$action" in
up)
    if [ "$(id -u)" -ne 0 ] || [ ! -x /usr/sbin/cupsd ] || [ ! -x /usr/lib/cups/backend/cups-pdf ] ||
        [ ! -f "$ppd" ] || ! command -v pdftotext >/dev/null; then
        echo "cups-pdf printer not available (needs root, cups, printer-driver-cups-pdf, poppler-utils)"
        exit 77
    fi
    remove_area
    mkdir -p "$(dirname "$dir")"
    link=$(cd "$(dirname "$dir")" && pwd)/$(basename "$dir")
    area=$(mktemp -d /tmp/olvane-cups.XXXXXX)
    chgrp lp "$area"
    chmod 0750 "$area"
    ln -s "$area" "$link"
    dir=$area
    instance=$(instance_of "$area")
    instance_conf=/etc/cups/cups-pdf-$instance.conf
    mkdir -p "$dir/conf/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" "$dir/pdf" \
        "$dir/pdf-spool" "$dir/tmp"
    chgrp -R lp "$dir"
    chmod -R g+rX "$dir"
    chmod 1777 "$dir/pdf-spool" "$dir/tmp"
    cat >"$dir/conf/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
MaxLogSize 0
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    cat >"$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
CacheDir $dir/cache
StateDir $dir/state
TempDir $dir/tmp
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
User lp
Group lp
SystemGroup root
FileDevice No
Sandboxing Relaxed
CONF
    cat >"$instance_conf" <<CONF
# Written by the Olvane printing test ($dir); removed when it ends.
Out $dir/pdf
Spool $dir/pdf-spool
AnonDirName $dir/pdf
Log $dir/log
Grp root
LogType 3
TitlePref 1
CONF
    # cupsd -f stays in the foreground; its own pipes go nowhere so that
    # the caller's output is not held open.
    /usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    echo $! >"$dir/cupsd.pid"
    export CUPS_SERVER="$dir/cups.sock"
    i=0
    until lpstat -r 2>/dev/null | grep -q "is running"; do
        i=$((i + 1))
        if [ $i -gt 100 ] || ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then
            echo "cupsd did not start:" >&2
            cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
            stop_server
            exit 1
        fi
        sleep 0.1
    done
    lpadmin -p "$printer" -v "cups-pdf:/$instance" -E -P "$ppd" </dev/null
    lpadmin -d "$printer" </dev/null
    echo "$CUPS_SERVER"
    ;;
down)
    remove_area
    ;;
*)
    echo "usage: $0 up|down <dir>" >&2
    exit 2
    ;;
esac
