#!/usr/bin/env bash
# Installs the Debian packages the game needs to build and test, and any more
# named as arguments (scripts/package.sh names its packaging tools), and only
# those that are missing: a machine that has them all is left alone. The tests
# also run in a decimal-comma locale, de_DE.UTF-8, which is generated when missing.
set -euo pipefail

# The condensed face of fonts-dejavu-extra is the windows' font; the desktop tests
# measure text in it.
packages=(cmake ninja-build g++ qt6-base-dev libgl1-mesa-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-extra locales "$@")
test_locale="de_DE.UTF-8"

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ "${#missing[@]}" -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# `locale -a` spells the locale in lower case without the dash: de_DE.utf8.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the $test_locale locale"
    if ! grep -qx "$test_locale UTF-8" /etc/locale.gen 2>/dev/null; then
        echo "$test_locale UTF-8" | "${sudo[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${sudo[@]}" locale-gen
fi
