#!/usr/bin/env bash
# The long monkey run: the GUI monkey test with many more events than the
# suite gives it, headless. Usage: fuzz/monkey.sh [EVENTS] [SEED] [BUILD_DIR]
# (defaults 20000, 11, build). Build gui_tests first (./build.sh test does).
set -euo pipefail
cd "$(dirname "$0")/.."
events="${1:-20000}"
seed="${2:-11}"
build="${3:-build}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
MOORPLAN_MONKEY_EVENTS="$events" MOORPLAN_MONKEY_SEED="$seed" \
  "$build/gui_tests" --gtest_filter='Monkey.*'
