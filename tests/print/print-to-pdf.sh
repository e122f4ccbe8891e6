#!/bin/sh
# A real print under Wine: presses Print in the running program (the GUI
# test PrintToPdf.*), takes the PDF that the private CUPS server's PDF printer
# writes, and compares its text (pdftotext) with the report the test expects
# from what the window showed.
#
#   print-to-pdf.sh <cups dir> <wine-run.sh> <gui_tests.exe> <data dir> <out dir>
#
# The CUPS server must be running (cups-pdf-printer.sh up <cups dir>). The
# PDF, its text and a picture of the page (report-page-1.png) are left in
# <out dir> for looking at. Exits 77 (skipped) when the server is not there.
set -e
cups_dir=$1
wine_run=$2
gui_tests=$3
data_dir=$4
out_dir=$5

if [ ! -S "$cups_dir/cups.sock" ]; then
    echo "no CUPS server at $cups_dir/cups.sock (cups-pdf-printer.sh up was skipped or failed)"
    exit 77
fi
export CUPS_SERVER="$cups_dir/cups.sock"
mkdir -p "$out_dir"
out_dir=$(cd "$out_dir" && pwd)
rm -f "$cups_dir"/pdf/*.pdf "$out_dir"/report* "$out_dir"/expected*

# The test runs in Windows; it writes the expected text through drive Z:.
export OLVANE_EXPECTED_REPORT="Z:$(echo "$out_dir/expected.txt" | tr / '\\')"
log="$out_dir/gui_tests.log"
(cd "$data_dir" && "$wine_run" "$gui_tests" --gtest_filter='PrintToPdf.*:PrintButton.*' \
    </dev/null >"$log" 2>&1) || {
    cat "$log"
    echo "FAIL: the print tests failed"
    exit 1
}
cat "$log"
if grep -q "SKIPPED" "$log" || [ ! -f "$out_dir/expected.txt" ]; then
    echo "FAIL: the print test did not print"
    exit 1
fi

# cups-pdf writes the file when the job has gone through the server.
i=0
while :; do
    set -- "$cups_dir"/pdf/*.pdf
    if [ -f "$1" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; then
        break
    fi
    i=$((i + 1))
    if [ $i -gt 600 ]; then
        echo "FAIL: no PDF after 60 s"
        lpstat -o || true
        tail -20 "$cups_dir/log/error_log" 2>/dev/null || true
        exit 1
    fi
    sleep 0.1
done
if [ $# -ne 1 ]; then
    echo "FAIL: $# PDF files; the cancelled print must leave none: $*"
    exit 1
fi
cp "$1" "$out_dir/report.pdf"

pages=$(pdfinfo "$out_dir/report.pdf" | sed -n 's/^Pages: *//p')
pdftotext -layout "$out_dir/report.pdf" "$out_dir/report.txt"
pdftoppm -r 100 -png "$out_dir/report.pdf" "$out_dir/report-page"

# Compare line by line with runs of blanks and tabs made one blank and empty
# lines dropped: the columns are positions on paper, not characters.
normalise() {
    sed -e 's/\f//g' -e 's/[[:space:]][[:space:]]*/ /g' -e 's/^ //' -e 's/ $//' | grep -v '^$'
}
iconv -f CP1252 -t UTF-8 "$out_dir/expected.txt" | normalise >"$out_dir/expected.norm"
normalise <"$out_dir/report.txt" >"$out_dir/report.norm"
status=0
if ! diff -u "$out_dir/expected.norm" "$out_dir/report.norm"; then
    echo "FAIL: the PDF text is not the report"
    status=1
fi
if [ "$pages" != "1" ]; then
    echo "FAIL: $pages pages, the report fits one"
    status=1
fi
# Readable type: the title's first word at least 7 points high.
height=$(pdftotext -bbox "$out_dir/report.pdf" - | sed -n 's/.*yMin="\([0-9.]*\)".*yMax="\([0-9.]*\)".*/\1 \2/p' |
    head -1 | awk '{ printf "%d", $2 - $1 }')
if [ "${height:-0}" -lt 7 ]; then
    echo "FAIL: text only ${height:-0} points high"
    status=1
fi
[ $status -eq 0 ] && echo "PDF matches the report ($pages page, text $height points high): $out_dir/report.pdf"
exit $status
