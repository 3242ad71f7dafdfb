#!/usr/bin/env bash
# Moorplan's one entry point for building, running, testing and packaging.
#   ./build.sh run      install what is missing, build the release (with debug info)
#                       into build/, start the wizard
#   ./build.sh test     install what is missing, build into build-test/ with the address
#                       and undefined-behaviour sanitizers, run every test through CTest
#   ./build.sh package  install what is missing, build build/, make the Debian packages
#                       (build/moorplan_*.deb, build/libmoorplan-support-dev_*.deb)
# Extra arguments after "run" are passed to the wizard (e.g. ./build.sh run /TEST).
# The two trees never share a cache: the program a user runs is never a sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3
          dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db
          xvfb xauth xdotool x11-utils libxdamage-dev libchm-dev fp-utils-3.2.2)

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

# configure_and_build TREE [cmake options]: each command names its tree and its
# sanitizer setting, so neither inherits the other's cache.
configure_and_build() {
  local tree=$1
  shift
  cmake -S . -B "$tree" "$@" >/dev/null
  cmake --build "$tree" -j"$(nproc)"
}

release_build() {
  configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOORPLAN_SANITIZE=OFF
}

case "${1:-}" in
  run)
    shift
    install_missing
    release_build
    exec ./build/moorplan "$@"
    ;;
  test)
    install_missing
    configure_and_build build-test -DMOORPLAN_SANITIZE=ON
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir build-test --output-on-failure -j"$(nproc)"
    ;;
  package)
    install_missing
    release_build
    (cd build && cpack -G DEB)
    ;;
  *)
    echo "usage: ./build.sh run [wizard switches] | ./build.sh test | ./build.sh package" >&2
    exit 2
    ;;
esac
