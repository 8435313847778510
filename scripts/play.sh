#!/usr/bin/env bash
# Builds the game and starts it in play/, the folder that keeps the data file
# (high scores and the speed calibration) between runs. The first run prepares
# that file: no high-score holders, and this machine's speed measured for 3 s.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release
cmake --build --preset release

readonly game="$PWD/build/release/dorvanta"
mkdir -p play
if [ ! -e play/Dorvanta.dat ]; then
    # Prepared aside and moved in whole, so an interrupted run leaves no half file.
    scratch=$(mktemp -d play/.prepare.XXXXXX)
    bash scripts/prepared_data_file.sh "$scratch/Dorvanta.dat"
    echo "Measuring this machine's speed (3 seconds)..."
    (cd "$scratch" && "$game" --calibrate >/dev/null)
    mv -n "$scratch/Dorvanta.dat" play/Dorvanta.dat
    rm -rf "$scratch"
fi
cd play
exec "$game"
