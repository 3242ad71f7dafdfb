#!/usr/bin/env bash
# Moorplan's one entry point for building, running and testing.
#   ./build.sh run    install what is missing, build into build/, start the wizard
#   ./build.sh test   install what is missing, build into build/ with the address and
#                     undefined-behaviour sanitizers, run every test through CTest
# Extra arguments after "run" are passed to the wizard (e.g. ./build.sh run /TEST).
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev
          nlohmann-json3-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

configure_and_build() {
  cmake -S . -B build "$@" >/dev/null
  cmake --build build -j"$(nproc)"
}

case "${1:-}" in
  run)
    shift
    install_missing
    configure_and_build
    exec ./build/moorplan "$@"
    ;;
  test)
    install_missing
    configure_and_build -DMOORPLAN_SANITIZE=ON
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  *)
    echo "usage: ./build.sh run [wizard switches] | ./build.sh test" >&2
    exit 2
    ;;
esac
