# Shared by run.sh and test.sh: installs the Debian packages Kartavel needs,
# quietly and only those that are missing.

KARTAVEL_BUILD_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libicu-dev libxxhash-dev
    qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2)
# Qt's own Turkish texts for the dialogs the toolkit draws (qtbase_tr.qm).
KARTAVEL_BUILD_PACKAGES+=(qt6-translations-l10n)
KARTAVEL_TEST_PACKAGES=(xvfb xauth)
# Building and checking the .deb (scripts/check-deb.sh).
KARTAVEL_TEST_PACKAGES+=(dpkg-dev file desktop-file-utils appstream groff-base)
# ./test.sh --windows: the cross compiler, GoogleTest's sources and Wine.
KARTAVEL_WINDOWS_PACKAGES=(cmake ninja-build googletest g++-mingw-w64-x86-64-posix wine64 libxxhash-dev)
# ./test.sh --fuzz: clang and its runtime libraries, libFuzzer's among them.
KARTAVEL_FUZZ_PACKAGES=(cmake ninja-build clang clang-14 libclang-rt-14-dev libicu-dev libxxhash-dev)

missing_packages() {
    local p
    for p in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$p"
        fi
    done
}

ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq >/dev/null || return 1
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null || return 1
}

configure_and_build() {
    # $1: build folder; the rest go to cmake as extra options. KARTAVEL_TARGETS, when
    # set, names the only targets to build (blank-separated).
    local dir=$1
    shift
    local launcher=()
    # A compiler cache, where one is installed, makes rebuilds of other trees cheap.
    command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null || return 1
    # shellcheck disable=SC2086 # the target names are meant to split
    cmake --build "$dir" -j "$(nproc)" ${KARTAVEL_TARGETS:+--target $KARTAVEL_TARGETS}
}
