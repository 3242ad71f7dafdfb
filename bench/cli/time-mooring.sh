#!/usr/bin/env bash
# Times moorplan-report --mooring on a mooring of 200 positions against a
# single --plan run, whole processes, side by side: the two alternate, N runs
# each, and the median of each in microseconds and their ratio are printed.
# The mooring's plans are the five of the test mooring, each position with an
# interval of its own, so no two positions share a plan.
#   bench/cli/time-mooring.sh BUILD_DIR [N]
set -euo pipefail
build="${1:?usage: time-mooring.sh BUILD_DIR [N]}"
runs="${2:-20}"
source="$(cd "$(dirname "$0")/../.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$source/tests/mooring/fixtures/five.mooring" "$work" <<'PY'
import copy, json, sys
five = json.load(open(sys.argv[1]))
positions = []
for i in range(200):
    position = copy.deepcopy(five["positions"][i % 5])
    position["label"] = "SN %03d" % i
    position["depth"] = 10 * i
    position["plan"]["interval"] += i
    positions.append(position)
five["positions"] = positions
json.dump(five, open(sys.argv[2] + "/200.mooring", "w"), indent=2)
json.dump(positions[2]["plan"], open(sys.argv[2] + "/one.moorplan", "w"), indent=2)
PY

# Bash's own clock, so no timing program runs inside the measured spans.
# Medians, so a moment when another program takes the processor does not
# weigh on either side.
mooring_us=()
plan_us=()
for ((i = 0; i < runs; i++)); do
  start=${EPOCHREALTIME/./}
  "$build/moorplan-report" --mooring "$work/200.mooring" >/dev/null || [ $? -eq 3 ]
  middle=${EPOCHREALTIME/./}
  "$build/moorplan-report" --plan "$work/one.moorplan" >/dev/null
  end=${EPOCHREALTIME/./}
  mooring_us+=($((middle - start)))
  plan_us+=($((end - middle)))
done
median() { printf '%s\n' "$@" | sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }
plan=$(median "${plan_us[@]}")
mooring=$(median "${mooring_us[@]}")
echo "--plan, one plan:         $plan us, the median of $runs runs"
echo "--mooring, 200 positions: $mooring us, the median of $runs runs"
awk -v m="$mooring" -v p="$plan" 'BEGIN { printf "ratio: %.2f (at most 3)\n", m / p }'
