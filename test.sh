#!/usr/bin/env bash
# Installs what is missing, builds, runs every test, and builds and checks the .deb.
#   ./test.sh             the normal build in build/
#   ./test.sh --sanitize  the core and CLI tests under AddressSanitizer and UBSan, in build-asan/
#   ./test.sh --windows   the core and CLI tests built for Windows and run under Wine, in build-windows/
#   ./test.sh --fuzz      the libFuzzer targets (clang), a short run each from fuzz/corpus/, in build-fuzz/
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

sanitize=0
fuzz=0
for arg in "$@"; do
    case "$arg" in
        --sanitize) sanitize=1 ;;
        --windows) exec scripts/test-windows.sh ;;
        --fuzz) fuzz=1 ;;
        -h|--help) sed -n '2,6p' "$0"; exit 0 ;;
        *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done

if [ "$fuzz" -eq 1 ]; then
    ensure_packages "${KARTAVEL_FUZZ_PACKAGES[@]}"
    fuzz_targets="ProfileStringFuzz TableFileFuzz LegacyRegisterFuzz ContentFileFuzz CodePageFuzz DetailsFileFuzz"
    KARTAVEL_TARGETS=$fuzz_targets configure_and_build build-fuzz -DCMAKE_CXX_COMPILER=clang++ \
        -DKARTAVEL_FUZZ=ON -DKARTAVEL_BUILD_GUI=OFF -DKARTAVEL_BUILD_TESTS=OFF
    # shellcheck disable=SC2086 # the target names are meant to split
    exec fuzz/run.sh build-fuzz "${KARTAVEL_FUZZ_RUNS:-20000}" $fuzz_targets
fi

ensure_packages "${KARTAVEL_BUILD_PACKAGES[@]}" "${KARTAVEL_TEST_PACKAGES[@]}"

if [ "$sanitize" -eq 1 ]; then
    configure_and_build build-asan -DKARTAVEL_SANITIZE=ON -DKARTAVEL_BUILD_GUI=OFF
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
else
    configure_and_build build
    ctest --test-dir build --output-on-failure -j "$(nproc)"
    scripts/check-deb.sh build
fi
