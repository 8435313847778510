#!/usr/bin/env bash
# Builds the test configuration (warnings are errors) and runs every test
# suite; the exit status is ctest's.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset test
cmake --build --preset test
ctest --preset test -j "$(nproc)"
