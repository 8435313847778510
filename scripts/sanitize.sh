#!/usr/bin/env bash
# Builds the sanitize configuration (AddressSanitizer and UndefinedBehaviorSanitizer,
# float-to-integer overflow included, stopping at the first report) and runs
# every test there, the random-play test with 50,000 actions.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize -j "$(nproc)"
