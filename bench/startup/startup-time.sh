#!/usr/bin/env bash
# Time to the first window of the wizard against a bare dialog with one label,
# side by side under Xvfb, and the peak memory of each up to that moment.
# Needs the Debian packages xvfb, x11-utils and libxdamage-dev (for the probe).
#   bench/startup/startup-time.sh [BUILD_DIR] [ROUNDS]
# Each round runs both programs once, in alternating order, so that load from
# elsewhere on the machine falls on both; the medians and the median of the
# per-round ratios are what to read.
set -euo pipefail
build="${1:-build}"
rounds="${2:-31}"
probe="$build/moorplan-first-window"
bare="$build/moorplan-bare-dialog"
wizard="$build/moorplan"
for f in "$probe" "$bare" "$wizard"; do
  [ -x "$f" ] || { echo "missing $f: build first (cmake --build $build)" >&2; exit 2; }
done

display=":$((90 + RANDOM % 400))"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$probe" "$bare" >/dev/null; "$probe" "$wizard" >/dev/null   # warm the file cache and font cache
results=$(mktemp)
for i in $(seq "$rounds"); do
  if [ $((i % 2)) -eq 0 ]; then
    b=$("$probe" "$bare"); w=$("$probe" "$wizard")
  else
    w=$("$probe" "$wizard"); b=$("$probe" "$bare")
  fi
  echo "$b $w" >>"$results"
done
python3 - "$results" <<'PY'
import statistics, sys
rows = [list(map(float, l.split())) for l in open(sys.argv[1])]
bare_ms = [r[0] for r in rows]; bare_kb = [r[1] for r in rows]
wiz_ms = [r[2] for r in rows]; wiz_kb = [r[3] for r in rows]
ratios = [w / b for b, w in zip(bare_ms, wiz_ms)]
print("rounds                %d" % len(rows))
print("bare dialog           %6.1f ms  %6.1f MB peak" % (statistics.median(bare_ms), statistics.median(bare_kb) / 1024))
print("moorplan              %6.1f ms  %6.1f MB peak" % (statistics.median(wiz_ms), statistics.median(wiz_kb) / 1024))
print("ratio (median/round)  %6.2f   (medians: %.2f)" % (statistics.median(ratios), statistics.median(wiz_ms) / statistics.median(bare_ms)))
PY
rm -f "$results"
