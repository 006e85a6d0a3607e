#!/bin/sh
# The ctest run of one fuzz target: RUNS runs, starting from a copy of the
# seed corpus so the source tree is not changed.
#   run_briefly.sh FUZZER CORPUS WORK_DIR MAX_LEN RUNS
set -e
fuzzer=$1 corpus=$2 work=$3 max_len=$4 runs=$5
rm -rf "$work"
mkdir -p "$work/corpus"
cp "$corpus"/* "$work/corpus/"
exec "$fuzzer" -runs="$runs" -seed=1 -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$work/" "$work/corpus"
