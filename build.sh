#!/usr/bin/env bash
# Moorplan's one entry point for building, running, testing and packaging.
#   ./build.sh run      install what is missing, build the release (with debug info)
#                       into build/, start the wizard
#   ./build.sh web      install what is missing, build the browser page build-web/moorplan.html
#   ./build.sh test     install what is missing, build into build-test/ with the address
#                       and undefined-behaviour sanitizers, build the browser page, run
#                       every test through CTest, then build the fuzz targets into
#                       build-fuzz/ and smoke-run each
#   ./build.sh fuzz [SECONDS]  build the fuzz targets and run each for SECONDS (default 60),
#                       growing its corpus in build-fuzz/corpus/
#   ./build.sh package  install what is missing, build build/, make the Debian packages
#                       (build/moorplan_*.deb, build/libmoorplan-support-dev_*.deb)
# Extra arguments after "run" are passed to the wizard (e.g. ./build.sh run /TEST).
# The two trees never share a cache: the program a user runs is never a sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3
          dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db
          xvfb xauth xdotool x11-utils libxdamage-dev libchm-dev fp-utils-3.2.2 nlohmann-json3-dev shared-mime-info
          emscripten chromium chromium-driver python3-selenium
          clang libclang-rt-dev locales)

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

# The number and date tests also run under a comma-decimal locale.
ensure_test_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "de_DE.UTF-8 not available: its test runs are skipped" >&2
}

configure_and_build_fuzz() {
  CXX=clang++ cmake -S fuzz -B build-fuzz "$@" >/dev/null
  cmake --build build-fuzz -j"$(nproc)"
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

# The page is its own tree: the engine and the page models in WebAssembly.
# NODE_PATH lets a Node.js from outside Debian find Debian's JavaScript modules.
build_web() {
  export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
  emcmake cmake -S . -B build-web >/dev/null
  cmake --build build-web -j"$(nproc)"
}

case "${1:-}" in
  run)
    shift
    install_missing
    release_build
    exec ./build/moorplan "$@"
    ;;
  web)
    install_missing
    build_web
    ;;
  test)
    install_missing
    ensure_test_locale
    configure_and_build build-test -DMOORPLAN_SANITIZE=ON
    build_web
    configure_and_build_fuzz
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    ctest --test-dir build-test --output-on-failure -j"$(nproc)"
    ctest --test-dir build-fuzz --output-on-failure -j"$(nproc)"
    ;;
  package)
    install_missing
    release_build
    (cd build && cpack -G DEB)
    ;;
  fuzz)
    seconds="${2:-60}"
    install_missing
    configure_and_build_fuzz
    export QT_QPA_PLATFORM=offscreen
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    for target in build-fuzz/fuzz_*; do
      [ -f "$target" ] && [ -x "$target" ] || continue
      name="${target#build-fuzz/fuzz_}"
      mkdir -p "build-fuzz/corpus/$name" "build-fuzz/findings/$name"
      echo "== $name: $seconds s"
      "$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$name/" "build-fuzz/corpus/$name" "fuzz/corpus/$name" 2>&1 |
        grep -E "stat::number_of_executed_units|ERROR|SUMMARY|Test unit written" || true
    done
    ;;
  *)
    echo "usage: ./build.sh run [wizard switches] | ./build.sh web | ./build.sh test | ./build.sh package | ./build.sh fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
