#!/usr/bin/env bash
# Builds the game and starts it in play/, the folder that keeps the data file
# (high scores and the speed calibration) between runs.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release

mkdir -p play
if [ ! -e play/Dorvanta.dat ]; then
    bash scripts/prepared_data_file.sh play/Dorvanta.dat
fi
cd play
exec ../build/release/dorvanta
