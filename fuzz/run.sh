#!/usr/bin/env bash
# Runs the fuzz targets for a fixed number of executions each, one after another,
# seeded from fuzz/corpus/<target>/. The committed corpus is only read: new inputs go
# to a scratch folder, and an input that fails is kept in <build>/fuzz-findings/.
#   fuzz/run.sh BUILD_DIR RUNS [TARGET...]    (no target: all of them)
# KARTAVEL_FUZZ_SECONDS, when set, also ends each target after that many seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
runs=$2
shift 2
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(ProfileStringFuzz TableFileFuzz LegacyRegisterFuzz
    ContentFileFuzz CodePageFuzz DetailsFileFuzz)

# Any sanitizer report ends the run; libFuzzer itself checks for leaks.
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
findings=$build/fuzz-findings
mkdir -p "$findings"
failed=0
for t in "${targets[@]}"; do
    scratch=$(mktemp -d)
    log=$findings/$t.log
    started=$(date +%s)
    if "$build/fuzz/$t" -runs="$runs" -timeout=1 -max_len=1024 -print_final_stats=1 \
        ${KARTAVEL_FUZZ_SECONDS:+-max_total_time="$KARTAVEL_FUZZ_SECONDS"} \
        -artifact_prefix="$findings/$t-" "$scratch" "fuzz/corpus/$t" >"$log" 2>&1; then
        last=$(grep -E '^#[0-9]+' "$log" | tail -1)
        echo "$t: ok in $(($(date +%s) - started)) s: $last"
    else
        echo "$t: FAILED (log: $log)" >&2
        grep -E 'ERROR|SUMMARY|violated|Test unit written' "$log" >&2 || tail -20 "$log" >&2
        failed=1
    fi
    rm -rf "$scratch"
done
exit $failed
