#!/bin/sh
# The content search and the name index against grep, each command a whole
# process, its output read through a pipe, median of RUNS runs (bench/timed).
#   bench/search_vs_grep.sh [BUILD=build] [RUNS=10] [TEXT=rapor_kod]
# Makes its two data folders once (about a minute): /tmp/kartavel-1m, 1,000,000
# names in 10 archives, and /tmp/kartavel-10m, 10,000,000 names in 100 archives.
set -eu
build=${1:-build}
runs=${2:-10}
text=${3:-rapor_kod}
cli=$build/bin/kartavel-cli
timed="$build/bench/timed $runs"
small=/tmp/kartavel-1m
large=/tmp/kartavel-10m
[ -d $small ] || $build/bench/make_catalogue $small 10 100000
[ -d $large ] || $build/bench/make_catalogue $large 100 100000
export LC_ALL=C # grep's fastest case: bytes, no multibyte folding

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "== 1,000,000 names in 10 archives, linear path, \"$text\""
printf 'kartavel-cli search --no-index  '; $timed $cli --data $small search "$text" --no-index
printf 'grep -c -i -F                   '; $timed grep -c -i -F "$text" $small/*.ADS
printf 'cat                             '; $timed cat $small/*.ADS
printf 'kartavel-cli --version          '; $timed $cli --version
printf 'grep --version                  '; $timed grep --version

echo "== 10,000,000 names in 100 archives: building the index"
for i in 1 2 3; do
    rm -rf $large/AdDizini
    printf 'kartavel-cli index               '; $build/bench/timed 1 $cli --data $large index
done
echo "index $(du -s --bytes $large/AdDizini | cut -f1) bytes," \
     "content files $(cat $large/*.ADS | wc -c) bytes"
touch "$large/Disk 050.ADS" # as a registration writes one content file
printf 'kartavel-cli index, one changed  '; $build/bench/timed 1 $cli --data $large index
$cli --data $large index --check 2>&1 >/dev/null

echo "== 10,000,000 names in 100 archives, through the index, \"$text\""
printf 'kartavel-cli search             '; $timed $cli --data $large search "$text"
printf 'grep -c -i -F                   '; $timed grep -c -i -F "$text" $large/*.ADS
printf 'kartavel-cli search --no-index  '; $timed $cli --data $large search "$text" --no-index
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
