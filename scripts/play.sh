#!/usr/bin/env bash
# Builds the game and starts it in play/, the folder that keeps the data file
# (high scores and the speed calibration) between runs. The game's first start
# there prepares that file: no high-score holders, and this machine's speed
# measured for 3 s. The game opens a window, so it needs a display.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
    echo "scripts/play.sh: no display to show the game on. Run it in a desktop session," \
        "or on a virtual display: xvfb-run -s '-screen 0 1280x1024x24' bash scripts/play.sh" >&2
    exit 1
fi

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release

readonly game="$PWD/build/release/dorvanta"
mkdir -p play
cd play
exec "$game"
