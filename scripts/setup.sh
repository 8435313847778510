#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and test, and any more
# named as arguments (scripts/package.sh names its packaging tools), and only
# those that are missing: a machine that has them all is left alone.
set -euo pipefail

# The condensed face of fonts-dejavu-extra is the windows' font; the desktop tests
# measure text in it.
packages=(cmake ninja-build g++ qt6-base-dev libgl1-mesa-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-extra "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update
"${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
