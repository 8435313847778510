#!/usr/bin/env bash
# Writes the high-score part of the data file a new player starts with: no
# real holders ("Anonymous" with 999 shots at each of the four levels). The
# calibration record is left zero for `dorvanta --calibrate` to measure.
# Usage: prepared_data_file.sh PATH
set -euo pipefail

readonly RECORD_BYTES=128
readonly NO_HOLDER_NAME='\x09\x00Anonymous'  # length 9, then the text
readonly NO_HOLDER_SCORE_LE='\xe7\x03'       # 999, 16-bit integer

# One record: the value's bytes, then zero padding to the record length.
record() {
    local value=$1
    printf "$value"
    head -c $((RECORD_BYTES - $(printf "$value" | wc -c))) /dev/zero
}

{
    record '' # record 1 is never used
    record '' # the calibration, measured afterwards
    for _level in 1 2 3 4; do
        record "$NO_HOLDER_NAME"
        record "$NO_HOLDER_SCORE_LE"
    done
} >"$1"
