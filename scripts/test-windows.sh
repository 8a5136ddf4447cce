#!/usr/bin/env bash
# ./test.sh --windows: the core, the CLI and their tests cross-built for 64-bit
# Windows with mingw-w64 in build-windows/, and run under Wine: headless, with a
# Wine prefix of its own inside the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
ensure_packages "${KARTAVEL_WINDOWS_PACKAGES[@]}"

dir=build-windows
mkdir -p "$dir"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEPREFIX="$PWD/$dir/wine"
# Wine makes file names outside ASCII (the tests' Turkish ones) only under a UTF-8
# locale that exists, whatever locale the caller's environment names.
export LANG=C.UTF-8 LC_ALL=C.UTF-8
unset LANGUAGE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko to offer
unset DISPLAY WAYLAND_DISPLAY

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Making the Wine prefix in $WINEPREFIX"
    "$wine" wineboot --init >/dev/null 2>&1
    "$wineserver" -w
fi

# A CD-ROM drive K: with a label, for the volume tests.
cdrom="$PWD/$dir/cdrom"
mkdir -p "$cdrom"
printf 'KARTAVEL CD\n' >"$cdrom/.windows-label"
ln -sfn "$cdrom" "$WINEPREFIX/dosdevices/k:"
if ! grep -q '"k:"="cdrom"' "$WINEPREFIX/system.reg"; then
    "$wine" reg add 'HKLM\Software\Wine\Drives' /v k: /d cdrom /f >/dev/null 2>&1
    "$wineserver" -w
fi
export KARTAVEL_TEST_CDROM="K:" KARTAVEL_TEST_CDROM_LABEL="KARTAVEL CD"

# One Wine server for the whole run, so each test process starts quickly. Wine's
# own services start with the first program: started here, away from ctest, they
# do not hold a test's output pipes open after it ends.
"$wineserver" -p
trap '"$wineserver" -k || true' EXIT
"$wine" cmd /c exit </dev/null >/dev/null 2>&1

# Without debug information the build takes a good part less time.
configure_and_build "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DKARTAVEL_BUILD_GUI=OFF \
    -DKARTAVEL_GTEST_SOURCE_DIR=/usr/src/googletest
ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
