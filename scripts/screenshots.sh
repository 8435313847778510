#!/usr/bin/env bash
# Plays the real game on a virtual display and photographs it for the README:
# the start screen, the gauges moving, a ball in flight, the computer's answer
# in head-to-head play, and the colours window. Re-run it after a change to the
# windows; it rewrites doc/screenshots/*.png.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh xvfb xdotool imagemagick
cmake --preset release
cmake --build --preset release

readonly game="$PWD/build/release/dorvanta"
readonly shots="$PWD/doc/screenshots"
readonly design_width=774 design_height=510 # the main window's client area at scale 1, pixels
readonly scale=1.5                           # the pictures show the window grown by half
mkdir -p "$shots"
scratch=$(mktemp -d)
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1400x1000x24 -nolisten tcp &
xvfb=$!
game_pid=
trap 'kill $game_pid 2>/dev/null; sleep 0.5; kill "$xvfb" 2>/dev/null; rm -rf "$scratch"' EXIT
sleep 1

# A fresh player, as in scripts/play.sh: the game's first start in an empty
# folder prepares the data file (no high-score holders, this machine's speed
# measured behind a notice) before its main window shows.
(cd "$scratch" && exec "$game") &
game_pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Dorvanta$' | head -1)
sleep 1

# The window opens at a scale that suits the screen, its client area as wide as
# the window: what is above the client area is the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_bar=$(awk "BEGIN { printf \"%d\", $HEIGHT - $design_height * $WIDTH / $design_width + 0.5 }")
width=$(awk "BEGIN { printf \"%d\", $design_width * $scale + 0.5 }")
height=$(awk "BEGIN { printf \"%d\", $menu_bar + $design_height * $scale + 0.5 }")
xdotool windowmove "$window" 0 0 windowsize "$window" "$width" "$height"
sleep 1

# Clicks a point given in the main window's design units (1/1440 inch).
click() {
    local x y
    x=$(awk "BEGIN { printf \"%d\", $1 / 15 * $scale + 0.5 }")
    y=$(awk "BEGIN { printf \"%d\", $menu_bar + $2 / 15 * $scale + 0.5 }")
    xdotool mousemove --window "$window" "$x" "$y" click 1
}
shoot() { click 727 5707; } # the middle of the Shoot button
photograph() { import -window "$1" "$shots/$2.png"; }
# Types `text` over what a text box holds, the box given by its middle.
type_into() {
    click "$1" "$2"
    xdotool key --window "$window" ctrl+a
    xdotool type --window "$window" "$3"
}

photograph "$window" start
shoot                 # the power gauge starts
sleep 1.6
shoot                 # power fixed, the vertical angle moves
sleep 1.4
photograph "$window" gauges
xdotool key --window "$window" alt+f n # File > New Game ends the gauges

# A throw typed in, so that the pictures show the same flight every time:
# straight into the apex cup of the far rack.
xdotool key --window "$window" alt+o n # Options > Allow Numeric Shooting...
sleep 0.5
xdotool key Return                     # ...and yes to its warning
sleep 0.5
type_into 367 6547 1250   # TextPower
type_into 1087 6547 45    # TextAngle
type_into 1807 6547 0     # TextAzimuth
click 2467 6547           # the numeric Shoot button
sleep 4.3
photograph "$window" flight
sleep 4.2             # the rest of the flight, and the pause of the made cup
shoot                 # "Opponent's Shot"
sleep 3.0
photograph "$window" head_to_head

xdotool key --window "$window" alt+o c # Options > Change Colors...
colours=$(xdotool search --sync --onlyvisible --name '^Options - ' | head -1)
sleep 1
photograph "$colours" colors
echo "Wrote $(ls "$shots" | tr '\n' ' ')"
