#!/usr/bin/env bash
# Builds the .deb from a built tree and checks it: the files it installs, its
# dependencies and version, its menu entry and AppStream metadata, its manual pages,
# and that the programs run from an unpacked copy.
#   scripts/check-deb.sh BUILD-FOLDER
set -euo pipefail
build=$1

log=$(cd "$build" && cpack -G DEB 2>&1) || { echo "$log" >&2; exit 1; }
debs=("$build"/packages/kartavel_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "check-deb: expected one package, found: ${debs[*]}" >&2; exit 1; }
deb=${debs[0]}
id=$(sed -n 's/^KARTAVEL_APP_ID:STRING=//p' "$build/CMakeCache.txt")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0
fail() {
    echo "check-deb: $*" >&2
    failed=1
}

# Exactly these files, nothing left out and nothing extra (no test or build tool).
expected=(
    usr/bin/kartavel
    usr/bin/kartavel-cli
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/bash-completion/completions/kartavel-cli
    usr/share/man/man1/kartavel.1.gz
    usr/share/man/man1/kartavel-cli.1.gz
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
)
for s in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${s}x$s/apps/$id.png")
done
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
if [ "$actual" != "$(printf '%s\n' "${expected[@]}" | sort)" ]; then
    fail "the package's files differ from the expected list:"
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual") >&2 || true
fi

# Dependencies found by dpkg-shlibdeps carry the versions of the libraries linked.
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libicu72 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6; do
    [[ ", $depends" == *", $lib (>= "* ]] || fail "no versioned dependency on $lib: $depends"
done
[[ $depends == *qt6-qpa-plugins* ]] || fail "no dependency on the window-system plugins: $depends"
[[ $depends == *qt6-translations-l10n* ]] || fail "no dependency on Qt's translations: $depends"

dpkg-deb -x "$deb" "$root"
# Clean: not even a hint.
out=$(desktop-file-validate "$root/usr/share/applications/$id.desktop" 2>&1) && [ -z "$out" ] ||
    fail "desktop-file-validate: $out"
# --no-net: the screenshots are checked by form, not fetched.
appstreamcli validate --strict --no-net --no-color "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --strict --no-net --no-color \
        "$root/usr/share/metainfo/$id.metainfo.xml")"
for page in "$root"/usr/share/man/man1/*.gz; do
    warnings=$(zcat "$page" | groff -man -ww -z -Tutf8 2>&1)
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
done
for s in 16 22 24 32 48 64 128 256; do
    file "$root/usr/share/icons/hicolor/${s}x$s/apps/$id.png" | grep -q "PNG image data, $s x $s," ||
        fail "the ${s}x$s icon is not a $s x $s picture"
done

# The unpacked programs run, and say the package's version: "s1.06.01f" is 1.6.1f.
title=$("$root/usr/bin/kartavel-cli" --version) || fail "kartavel-cli --version failed"
[ "$("$root/usr/bin/kartavel" --version)" = "$title" ] || fail "kartavel --version: not $title"
version=$(dpkg-deb -f "$deb" Version)
if [[ $title =~ \ s([0-9]+)\.([0-9]+)\.([0-9]+)([a-z]*)$ ]]; then
    shown=$((10#${BASH_REMATCH[1]})).$((10#${BASH_REMATCH[2]})).$((10#${BASH_REMATCH[3]}))${BASH_REMATCH[4]}
    [ "$shown" = "$version" ] || fail "package version $version, program version $title"
else
    fail "unexpected version text: $title"
fi

# An installed program keeps its data in the user's folder, never in its bin folder,
# also when that folder can be written (as root).
HOME=$root/home XDG_DATA_HOME='' "$root/usr/bin/kartavel-cli" list >/dev/null ||
    fail "kartavel-cli list failed in the unpacked copy"
[ -d "$root/home/.local/share/Kartavel/Data" ] || fail "no data folder in the user's home"
[ ! -e "$root/usr/bin/Data" ] || fail "the installed program made a data folder in bin/"

[ "$failed" -eq 0 ] || exit 1
echo "check-deb: $(basename "$deb") is sound ($version; ${#expected[@]} files)"
