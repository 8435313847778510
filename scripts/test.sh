#!/usr/bin/env bash
# Builds a test configuration and runs every test suite there; the exit status
# is ctest's. `test` (the default) makes warnings errors; `sanitize` adds
# AddressSanitizer and UndefinedBehaviorSanitizer, float-to-integer overflow
# included, stops at the first report, plays 50,000 random actions and runs
# six rounds of games saving on one file at once.
# Usage: test.sh [test | sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
readonly preset=${1:-test}

bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
