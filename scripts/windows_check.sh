#!/usr/bin/env bash
# Checks the game on 64-bit Windows: built by MinGW-w64 on its native Win32
# desktop and run under Wine on a virtual display of its own. GoogleTest is
# built from Debian's sources with the same compiler. The rules' tests run once
# in Wine's default locale and, as in the Linux suite, those that read and
# write numbers again in a decimal-comma one; the lab must print what the
# Linux lab prints; the desktop's contract and a whole game run through the
# real Win32 windows. Then it packs the download (scripts/windows_package.sh),
# installs it silently into a fresh Wine prefix, starts the game from its
# Start-menu entry and looks for the red far rack above the blue near rack in
# a capture of its window. Everything, the Wine prefixes included, goes to
# build/windows. Not part of scripts/test.sh: the packages are large. Runs
# from any folder; the exit status is non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh g++-mingw-w64-x86-64-posix wine64 nsis xvfb xdotool imagemagick \
    librsvg2-bin

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
# The Linux suites' de_DE: entries, one pattern a line.
comma_tests=$(grep -v '^#' tests/comma_locale_tests.txt | paste -sd:)
readonly comma_tests
# A fatal error under Wine can open a box and wait for ever: every run has a limit.
readonly wine_limit=300
readonly game_start_limit=30 # seconds for the installed game to show its window
# The lab calls compared with the Linux lab: a few chosen ones, then flights
# drawn at random (always the same ones), since the two C libraries' sines and
# roots may differ in the last bit.
lab_calls=(
    "flight --power 1250 --angle 45 --azimuth 0"
    "flight --power 1250 --angle 135 --azimuth 0 --opponent"
    "flight --power 1280 --angle 45 --azimuth 3 --standing 1,2,3 --rack-z 39.4641016"
    "project -24 0 -48 0 --rotate 100 --hpan 5 --zoom -1000"
)
# These run in the decimal-comma locale too; every call prints the same kinds
# of numbers, so the random ones add nothing there but Wine's start-up time.
readonly comma_calls=${#lab_calls[@]}
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
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDORVANTA_QT=OFF -DDORVANTA_WIN32=ON -DDORVANTA_WERROR=ON \
    -DGTest_DIR="$gtest/lib/cmake/GTest"
cmake --build "$out/game"

# The Linux lab the Windows one is compared with: the test build's, brought up
# to date, where scripts/test.sh has made one.
linux_build="$PWD/build/test"
if [ ! -f "$linux_build/build.ninja" ]; then
    linux_build="$out/linux-lab"
    cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DDORVANTA_QT=OFF -DDORVANTA_TESTS=OFF
fi
cmake --build "$linux_build" --target dorvanta-lab

bash scripts/windows_package.sh

# A virtual display of our own: the first display number nobody holds.
display=90
while [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done
# Large enough for the main window at twice its design size.
Xvfb ":$display" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
readonly xvfb=$!
stop_wine() {
    "$wineserver" -k 2>/dev/null || true
}
trap 'stop_wine; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$display" WINEDEBUG=-all

# Makes the prefix when it is missing; its start-up programs finish first.
prepare_prefix() {
    if [ ! -d "$WINEPREFIX" ]; then
        echo "Preparing the Wine prefix $WINEPREFIX"
        timeout "$wine_limit" "${wine[@]}" wineboot --init >/dev/null 2>&1
        "$wineserver" --wait
    fi
}

export WINEPREFIX="$out/wine"
prepare_prefix
"$wineserver" --persistent=60 # kept warm between the runs below

cd "$out/game"
timeout "$wine_limit" "${wine[@]}" dorvanta_tests.exe || fail "the tests failed"
LC_ALL=$comma_locale timeout "$wine_limit" "${wine[@]}" dorvanta_tests.exe \
    --gtest_filter="$comma_tests" || fail "the tests failed in $comma_locale"
timeout "$wine_limit" "${wine[@]}" dorvanta_win32_tests.exe ||
    fail "the Win32 desktop's tests failed"

for index in "${!lab_calls[@]}"; do
    call=${lab_calls[index]}
    read -ra arguments <<<"$call"
    expected=$("$linux_build/dorvanta-lab" "${arguments[@]}")
    # In the locale this script runs in, then the chosen calls in the decimal-comma one.
    locales=("")
    [ "$index" -ge "$comma_calls" ] || locales+=("LC_ALL=$comma_locale")
    for locale in "${locales[@]}"; do
        # Windows ends text lines in CR LF.
        printed=$(env $locale timeout "$wine_limit" "${wine[@]}" dorvanta-lab.exe "${arguments[@]}" |
            tr -d '\r') ||
            fail "dorvanta-lab.exe $call ended with status $? (${locale:-default locale})"
        [ "$printed" = "$expected" ] || fail "dorvanta-lab.exe $call (${locale:-default locale}) printed
$printed
where the Linux lab printed
$expected"
    done
done
echo "dorvanta-lab.exe printed what the Linux lab prints for ${#lab_calls[@]} calls, $comma_calls of them in both locales"
stop_wine

# The player's way: a silent install into a fresh prefix, then the game from
# its Start-menu entry.
export WINEPREFIX="$out/wine-install"
user=$(id -un) # Wine names the Windows user after the Unix one
rm -rf "$WINEPREFIX"
prepare_prefix
version=$(sed -n 's/^project(Dorvanta VERSION \([0-9.]*\).*/\1/p' "$OLDPWD/CMakeLists.txt")
timeout "$wine_limit" "${wine[@]}" "$out/dorvanta-$version-setup.exe" /S ||
    fail "the installer failed"
start_menu="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
[ -f "$start_menu/3D Dorvanta.lnk" ] || fail "the installer made no Start-menu entry"
timeout "$wine_limit" "${wine[@]}" reg query \
    'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dorvanta' >/dev/null ||
    fail "the installer registered no uninstaller"
timeout "$wine_limit" "${wine[@]}" start /unix "$start_menu/3D Dorvanta.lnk"
window=""
for _ in $(seq $((game_start_limit * 2))); do
    window=$(xdotool search --onlyvisible --name '^Dorvanta$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || fail "the installed game showed no window in ${game_start_limit} s"
sleep 1 # the first paint
capture="$out/installed-game.png"
import -window "$window" "$capture"
# Mean rows of the clearly red and clearly blue pixels of the capture.
read -r reds red_row blues blue_row < <(convert "$capture" txt:- | awk -F'[,:() ]+' '
    NR > 1 {
        r = $3; g = $4; b = $5
        if (r > 200 && g < 90 && b < 90) { reds++; red_rows += $2 }
        if (b > 200 && r < 90 && g < 90) { blues++; blue_rows += $2 }
    }
    END { printf "%d %d %d %d\n", reds, reds ? red_rows / reds : 0, blues, blues ? blue_rows / blues : 0 }')
[ "$reds" -gt 100 ] && [ "$blues" -gt 100 ] ||
    fail "the installed game drew $reds red and $blues blue pixels, not both racks ($capture)"
[ "$red_row" -lt "$blue_row" ] ||
    fail "the red rack (row $red_row) is not above the blue one (row $blue_row) ($capture)"
echo "the installed game drew the red far rack (row $red_row) above the blue near rack (row $blue_row)"
xdotool windowclose "$window" 2>/dev/null || true
timeout "$wine_limit" "${wine[@]}" "$WINEPREFIX/drive_c/users/$user/AppData/Local/Programs/Dorvanta/uninstall.exe" /S
# The uninstaller returns before it has finished.
for _ in $(seq 40); do
    [ ! -f "$start_menu/3D Dorvanta.lnk" ] && break
    sleep 0.5
done
[ ! -f "$start_menu/3D Dorvanta.lnk" ] || fail "the silent uninstall left the Start-menu entry"
echo "windows check passed"
