#!/usr/bin/env bash
# Builds the game's Debian package from a release build and checks it: the
# launcher entry and the metadata validate as installed, the package holds the
# game with its entry, icon and metadata and nothing else, and it depends on the
# libraries the game links and on the windows' font. The package is left in
# build/release/. Runs from any folder.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly EXPECTED_DEPENDS=(libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-extra)

fail() {
    echo "package check failed: $*" >&2
    exit 1
}

# dpkg-shlibdeps (dpkg-dev) reads the libraries CPack's `file` finds the game's
# binary type with.
bash scripts/setup.sh desktop-file-utils appstream dpkg-dev file
cmake --preset release
cmake --build --preset release

# The install rules, checked the way a desktop and a software centre read them.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cmake --install build/release --prefix "$stage"
# The game's reverse-DNS id, as the build named the launcher entry after it.
entries=("$stage"/share/applications/*.desktop)
[ "${#entries[@]}" -eq 1 ] || fail "expected one launcher entry, found: ${entries[*]}"
APP_ID=$(basename "${entries[0]}" .desktop)
readonly APP_ID
readonly EXPECTED_FILES="./usr/bin/dorvanta
./usr/share/applications/$APP_ID.desktop
./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg
./usr/share/metainfo/$APP_ID.metainfo.xml"
desktop-file-validate "$stage/share/applications/$APP_ID.desktop"
grep -qx 'Exec=dorvanta --user-data' "$stage/share/applications/$APP_ID.desktop" ||
    fail "the launcher does not start the game with its user data folder"
appstreamcli validate --no-net "$stage/share/metainfo/$APP_ID.metainfo.xml"

rm -f build/release/dorvanta_*.deb
(cd build/release && cpack -G DEB)
debs=(build/release/dorvanta_*.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one package, found: ${debs[*]}"
deb=${debs[0]}

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
[ "$files" = "$(sort <<<"$EXPECTED_FILES")" ] || fail "unexpected contents:
$files"
depends=$(dpkg-deb -f "$deb" Depends)
# One package name a line, without version constraints.
depended=$(sed 's/ ([^)]*)//g; s/, /\n/g' <<<"$depends")
for package in "${EXPECTED_DEPENDS[@]}"; do
    grep -qxF "$package" <<<"$depended" || fail "no dependency on $package in: $depends"
done

echo "$deb"
dpkg-deb -f "$deb" Package Version Architecture Section Depends
