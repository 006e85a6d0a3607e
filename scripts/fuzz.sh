#!/bin/bash
# Fuzzes every loader: builds the preset fuzz, runs each target of
# tests/fuzz/targets.txt for SECONDS (default 60), JOBS targets at a time
# (default 2), and merges the inputs that found new coverage into
# tests/fuzz/corpus/<target> (-merge=1 keeps the corpus minimal; the data
# file targets keep theirs in build-fuzz/fuzz-corpus/<target>, see
# tests/fuzz/targets.txt). Prints per
# target its executions and whether it ran clean; exits non-zero when any
# target found a crash, leak or timeout, whose input stays under
# build-fuzz/fuzz-runs/<target>/ and is named.
#
#   scripts/fuzz.sh [SECONDS] [JOBS] [TARGET...]   (default: every target)
#   scripts/fuzz.sh --seeds    rewrites the seed files that the program
#                              writes itself into tests/fuzz/corpus/
set -e -o pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-/work}" 
if [ -z "$CMAKE_CXX_COMPILER_LAUNCHER" ] && command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake --preset fuzz >/dev/null
cmake --build build-fuzz

if [ "$1" = "--seeds" ]; then
  build-fuzz/tests/fuzz/tolka-fuzz-seeds tests/fuzz/corpus
  cp examples/steuerdateien/*.FST tests/fuzz/corpus/format_table/
  echo "seeds written to tests/fuzz/corpus"
  exit 0
fi

seconds=${1:-60}
jobs=${2:-2}
shift $(($# < 2 ? $# : 2))
only=" $* "
runs="$root/build-fuzz/fuzz-runs"
mkdir -p "$runs"
export ASAN_OPTIONS="detect_leaks=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:${UBSAN_OPTIONS:-}"

# fuzz_one NAME MAX_LEN KEEP: one target for $seconds into a fresh work
# corpus, then merged into the kept corpus (KEEP: source or build). Writes
# $runs/NAME/result.
fuzz_one() {
  name=$1 max_len=$2 keep=$3
  dir="$runs/$name"
  rm -rf "$dir"
  mkdir -p "$dir/new"
  fuzzer="$root/build-fuzz/tests/fuzz/fuzz_$name"
  seeds="$root/tests/fuzz/corpus/$name"
  corpus="$seeds"
  inputs="$seeds"
  if [ "$keep" = build ]; then
    corpus="$root/build-fuzz/fuzz-corpus/$name"
    mkdir -p "$corpus"
    inputs="$corpus $seeds"
  fi
  # -timeout: one input may take at most 10 s (the slowest takes
  # milliseconds); -rss_limit_mb: 2 GB, far above what a loader needs.
  status=0
  # shellcheck disable=SC2086 # $inputs is one or two directories
  "$fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$dir/" "$dir/new" $inputs \
    >"$dir/log" 2>&1 || status=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$dir/log" | tail -n 1)
  findings=$(ls "$dir" | grep -E '^(crash|leak|timeout|oom|slow-unit)-' || true)
  if [ "$status" -eq 0 ] && [ -z "$findings" ]; then
    "$fuzzer" -merge=1 -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
      "$corpus" "$dir/new" >"$dir/merge.log" 2>&1 || true
    echo "$name: ${execs:-?} executions, ${rate:-?} exec/s, clean" >"$dir/result"
  else
    list=""
    for f in $findings; do list="$list $dir/$f"; done
    echo "$name: ${execs:-?} executions, ${rate:-?} exec/s, FAILED (exit $status):${list:- see $dir/log}" \
      >"$dir/result"
  fi
  cat "$dir/result"
}

targets=$(grep -E '^[a-z]' tests/fuzz/targets.txt | awk '{print $1 ":" $2 ":" $4}')
if [ "$only" != "  " ]; then
  targets=$(for entry in $targets; do
    case "$only" in *" ${entry%%:*} "*) echo "$entry" ;; esac
  done)
fi
running=0
for entry in $targets; do
  IFS=: read -r name max_len keep <<<"$entry"
  fuzz_one "$name" "$max_len" "$keep" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n
    running=$((running - 1))
  fi
done
wait

echo "== summary"
failed=0
for entry in $targets; do
  result="$runs/${entry%%:*}/result"
  if [ -f "$result" ]; then cat "$result"; else echo "${entry%%:*}: no result"; failed=1; fi
  grep -q "FAILED" "$result" 2>/dev/null && failed=1
done
exit $failed
