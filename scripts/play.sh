#!/usr/bin/env bash
# Builds the game and starts it in play/, the folder that keeps the data file
# (high scores and the speed calibration) between runs. The game's first start
# there prepares that file: no high-score holders, and this machine's speed
# measured for 3 s.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release

readonly game="$PWD/build/release/dorvanta"
mkdir -p play
cd play
exec "$game"
