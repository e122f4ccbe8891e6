#!/bin/sh
# Runs one libFuzzer target from its seeds.
#   run-fuzzer.sh <fuzzer> <work dir> <seed dir> <dictionary or ""> <seed files or ""> [libFuzzer options...]
# The working corpus (<work dir>/corpus) starts as a copy of the seed files
# and grows from run to run; the seed directory is read, never written.
# Findings go to <work dir>/findings/ and make the run fail.
set -e
fuzzer=$1 work=$2 seeds=$3 dictionary=$4 seedFiles=$5
shift 5
mkdir -p "$work/corpus" "$work/findings"
# The seed files arrive as one ';'-separated CMake list.
oldIfs=$IFS
IFS=';'
for file in $seedFiles; do
    [ -n "$file" ] && cp "$file" "$work/corpus/"
done
IFS=$oldIfs
set -- -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$work/findings/" "$@"
if [ -n "$dictionary" ]; then
    set -- -dict="$dictionary" "$@"
fi
exec "$fuzzer" "$@" "$work/corpus" "$seeds"
