#!/usr/bin/env bash
# The first start from a fresh clone: ./run.sh timed until the program's main window
# is on the screen, with the compiler cache off so that everything is compiled.
#   bench/first_start.sh REPOSITORY [COMMIT]
# Needs the project's packages already installed, and xvfb-run and xdotool.
set -euo pipefail
repo=$1
commit=${2:-HEAD}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
git clone -q "$repo" "$dir/k"
git -C "$dir/k" checkout -q "$commit"
cd "$dir/k"
echo "load before: $(uptime)"
CCACHE_DISABLE=1 xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
    start=$(date +%s.%N)
    ./run.sh >run.log 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name "TAVRIS Kartavel s1" >/dev/null 2>&1; do
        kill -0 $pid 2>/dev/null || { tail run.log; exit 1; }
        sleep 0.2
    done
    end=$(date +%s.%N)
    kill $pid
    wait $pid 2>/dev/null || true
    steps=$(grep -o "^\[[0-9]*/[0-9]*\]" run.log | tail -1)
    echo "to the window: $(echo "$start $end" | awk "{printf \"%.1f\", \$2 - \$1}") s, build steps $steps"
'
echo "load after: $(uptime)"
