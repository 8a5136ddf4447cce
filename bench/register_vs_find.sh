#!/bin/sh
# Registering a folder with its details against find printing every file's size,
# time and path, each a whole process with its output read through a pipe, median
# of RUNS runs (bench/timed), warm cache. Each registration goes to a new data folder.
#   bench/register_vs_find.sh DIR [BUILD=build] [RUNS=5]
set -eu
dir=$1
build=${2:-build}
runs=${3:-5}
cli=$(realpath "$build/bin/kartavel-cli")
timed="$build/bench/timed $runs"
register="d=\$(mktemp -d); $cli --data \"\$d\" register '$dir' --name Bench; rm -rf \"\$d\""
find "$dir" -type f -printf '%s %T@ %p\n' >/dev/null 2>&1 || true # warm the cache
sh -c "$register"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
printf 'kartavel-cli register (details) '; $timed sh -c "$register"
printf "find -type f -printf '%%s %%T@ %%p' "; $timed sh -c "find '$dir' -type f -printf '%s %T@ %p\n' 2>/dev/null"
printf 'find -type f                    '; $timed sh -c "find '$dir' -type f 2>/dev/null"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
