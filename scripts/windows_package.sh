#!/usr/bin/env bash
# Packs what a Windows player downloads, from the game built for Windows in
# build/windows/game: build/windows/dorvanta.exe, the installer
# dorvanta-<version>-setup.exe (Debian's NSIS) and the portable
# dorvanta-<version>-windows.zip (the game and the README's Windows section).
# The version is the project's, from CMakeLists.txt. scripts/windows_check.sh
# builds the game first and calls this. Runs from any folder.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly out="$PWD/build/windows"
version=$(sed -n 's/^project(Dorvanta VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
readonly version
[ -n "$version" ] || { echo "no version in CMakeLists.txt" >&2; exit 1; }

cp "$out/game/dorvanta.exe" "$out/dorvanta.exe"

makensis -V2 -DVERSION="$version" -DEXE="$out/dorvanta.exe" \
    -DOUTFILE="$out/dorvanta-$version-setup.exe" desktop/windows/dorvanta.nsi

# The README's Windows section, with Windows line ends, beside the game.
readonly portable="$out/portable"
rm -rf "$portable" "$out/dorvanta-$version-windows.zip"
mkdir -p "$portable"
cp "$out/dorvanta.exe" "$portable/"
sed -n '/^## Windows$/,/^## /p' README.md | sed '$d' | sed 's/$/\r/' >"$portable/README.txt"
[ -s "$portable/README.txt" ] || { echo "the README has no Windows section" >&2; exit 1; }
(cd "$portable" && cmake -E tar cf "$out/dorvanta-$version-windows.zip" --format=zip \
    dorvanta.exe README.txt)
ls -l "$out/dorvanta.exe" "$out/dorvanta-$version-setup.exe" "$out/dorvanta-$version-windows.zip"
