#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kartavel. Its data folder is
# build/bin/Data, beside the program.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh

ensure_packages "${KARTAVEL_BUILD_PACKAGES[@]}"
# Only the two programs: the tests and benchmarks wait for ./test.sh.
KARTAVEL_TARGETS="kartavel kartavel-cli" configure_and_build build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kartavel needs a desktop to show its window (no DISPLAY is set)."
    echo "The catalogue can still be used from a terminal:"
    echo
    build/bin/kartavel-cli --help
    echo
    echo "For example, to register a first folder:"
    echo "  build/bin/kartavel-cli register \"\$HOME/Belgeler\" --name Belgeler --media folder"
    exit 0
fi
exec build/bin/kartavel "$@"
