#!/usr/bin/env bash
# Checks the game's rules, the lab and their tests on 64-bit Windows: built
# without Qt by MinGW-w64 and run under Wine. GoogleTest is built from Debian's
# sources with the same compiler. The tests run once in Wine's default locale
# and, as in the Linux suite, those that read and write numbers again in a
# decimal-comma one; the lab must print what the Linux lab prints. Everything,
# the Wine prefix included, goes to build/windows. Not part of scripts/test.sh:
# the packages are large. Runs from any folder; the exit status is non-zero on
# any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh g++-mingw-w64-x86-64-posix wine64

readonly out="$PWD/build/windows"
readonly toolchain="$PWD/cmake/mingw-w64-x86_64.cmake"
readonly gtest="$out/googletest"
# Wine and its server, where Debian's wine64 package puts them. Wine runs
# without address-space randomisation: now and then that puts something where
# Wine maps Windows' shared data, and the program does not start ("failed to
# map the shared user data", about one start in 6,000 here).
readonly wine=(setarch x86_64 --addr-no-randomize /usr/lib/wine/wine64)
readonly wineserver=/usr/lib/wine/wineserver
readonly comma_locale=de_DE.UTF-8  # Wine gives the program the matching Windows locale
readonly comma_tests='Scenario*:Script/*:Lab*:NumberText*' # the Linux suite's de_DE: entries
# The lab calls compared with the Linux lab: a few chosen ones, then flights
# drawn at random (always the same ones), since the two C libraries' sines and
# roots may differ in the last bit.
lab_calls=(
    "flight --power 1250 --angle 45 --azimuth 0"
    "flight --power 1250 --angle 135 --azimuth 0 --opponent"
    "flight --power 1280 --angle 45 --azimuth 3 --standing 1,2,3 --rack-z 39.4641016"
    "project -24 0 -48 0 --rotate 100 --hpan 5 --zoom -1000"
)
readonly random_flights=200
readonly sides=("" --opponent)
RANDOM=1
for _ in $(seq "$random_flights"); do
    power=$((1000 + RANDOM % 500)).$((RANDOM % 100))
    angle=$((RANDOM % 180)).$((RANDOM % 10))
    azimuth=$((RANDOM % 41 - 20))
    lab_calls+=("flight --power $power --angle $angle --azimuth $azimuth ${sides[RANDOM % 2]}")
done

fail() {
    echo "windows check failed: $*" >&2
    exit 1
}

cmake -S /usr/src/googletest -B "$out/googletest-build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF \
    -DCMAKE_INSTALL_PREFIX="$gtest"
cmake --build "$out/googletest-build"
cmake --install "$out/googletest-build"

cmake -S . -B "$out/game" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANTA_QT=OFF -DDORVANTA_WERROR=ON \
    -DGTest_DIR="$gtest/lib/cmake/GTest"
cmake --build "$out/game"

# The Linux lab the Windows one is compared with.
cmake -S . -B "$out/linux-lab" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DDORVANTA_QT=OFF -DDORVANTA_TESTS=OFF
cmake --build "$out/linux-lab" --target dorvanta-lab

export WINEDEBUG=-all WINEPREFIX="$out/wine"
if [ ! -d "$WINEPREFIX" ]; then
    echo "Preparing the Wine prefix"
    "${wine[@]}" wineboot --init >/dev/null 2>&1
    "$wineserver" --wait # till the prefix's start-up programs are done
fi

cd "$out/game"
"${wine[@]}" dorvanta_tests.exe || fail "the tests failed"
LC_ALL=$comma_locale "${wine[@]}" dorvanta_tests.exe --gtest_filter="$comma_tests" ||
    fail "the tests failed in $comma_locale"

for call in "${lab_calls[@]}"; do
    read -ra arguments <<<"$call"
    expected=$("$out/linux-lab/dorvanta-lab" "${arguments[@]}")
    # In the locale this script runs in, then in the decimal-comma one.
    for locale in "" "LC_ALL=$comma_locale"; do
        # Windows ends text lines in CR LF.
        printed=$(env $locale "${wine[@]}" dorvanta-lab.exe "${arguments[@]}" | tr -d '\r') ||
            fail "dorvanta-lab.exe $call ended with status $? (${locale:-default locale})"
        [ "$printed" = "$expected" ] || fail "dorvanta-lab.exe $call (${locale:-default locale}) printed
$printed
where the Linux lab printed
$expected"
    done
done
echo "dorvanta-lab.exe printed what the Linux lab prints for ${#lab_calls[@]} calls in both locales"
echo "windows check passed"
