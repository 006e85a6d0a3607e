#!/bin/sh
# Builds everything twice (normal, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test in both builds; then the
# fuzz build (clang, libFuzzer), whose tests run each loader's fuzz target
# briefly over a copy of its seed corpus.
set -e
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for preset in default sanitize fuzz; do
  dir=build
  [ "$preset" = sanitize ] && dir=build-sanitize
  [ "$preset" = fuzz ] && dir=build-fuzz
  echo "== $preset build ($dir)"
  cmake --preset "$preset" >/dev/null
  cmake --build "$dir"
  # A test that hangs fails after five minutes instead of holding CI; a Qt
  # test that fails once on a loaded machine gets one more run (its output
  # stays in the log).
  ctest --test-dir "$dir" --output-on-failure -j2 --timeout 300 --repeat until-pass:2
done
echo "== all tests passed"
