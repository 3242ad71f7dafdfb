#!/usr/bin/env bash
# Times whole moorplan-report runs against the do-nothing program, both the
# same way: N runs each in a loop, the mean per run in milliseconds.
#   bench/cli/time-report.sh BUILD_DIR [N]
set -euo pipefail
build="${1:?usage: time-report.sh BUILD_DIR [N]}"
runs="${2:-500}"

time_runs() {
  local start end
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do "$@" >/dev/null 2>&1 || true; done
  end=$(date +%s%N)
  echo $(( (end - start) / runs / 1000 ))
}

plan=(--model "Kelvo 700 - Integral Pump" --comm "RS 232" --firmware "3.0 and higher, less than 4.0"
      --pressure-sensor "Strain gauge" --interval 600 --sampling autonomous --battery "AA Lithium")
base_us=$(time_runs "$build/moorplan-do-nothing")
report_us=$(time_runs "$build/moorplan-report" "${plan[@]}")
test_us=$(time_runs "$build/moorplan-report" "${plan[@]}" --test)
echo "do-nothing:            ${base_us} us per run"
echo "moorplan-report:       ${report_us} us per run"
echo "moorplan-report --test: ${test_us} us per run"
