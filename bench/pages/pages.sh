#!/usr/bin/env bash
# Times the page changes of the wizard under Xvfb (bench/pages/PageBench.cpp),
# or, with "shots", takes a screenshot of every page kind at a scale factor of
# 2, with a 16 pt application font and on a dark palette.
#   bench/pages/pages.sh [BUILD_DIR] [ROUNDS]
#   bench/pages/pages.sh shots [BUILD_DIR] [OUT_DIR]
set -euo pipefail
mode=time
if [ "${1:-}" = shots ]; then mode=shots; shift; fi
build="${1:-build}"
bench="$build/moorplan-page-bench"
[ -x "$bench" ] || { echo "missing $bench: build first (cmake --build $build)" >&2; exit 2; }

exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1920x1200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
read -r -u "$fd" display
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

if [ "$mode" = time ]; then
  "$bench" --rounds "${2:-20}"
  exit
fi

out="${2:-shots}"
mkdir -p "$out"
# shoot NAME [ENV...] -- [ARGS...]: one screenshot per page kind.
shoot() {
  local name=$1 kind pid
  shift
  coproc SHOTS { env "$@" 2>/dev/null; }
  pid=$SHOTS_PID
  while read -r word kind <&"${SHOTS[0]}"; do
    [ "$word" = SHOT ] || continue
    import -window root "$out/$name-$kind.png"
    echo >&"${SHOTS[1]}"
  done
  wait "$pid" || true
}
shoot scale2 QT_SCALE_FACTOR=2 "$bench" --shots
shoot font16 "$bench" --shots --font-size 16
shoot dark "$bench" --shots --dark
ls "$out"
