#!/usr/bin/env bash
# Moorplan's one entry point for building, running, testing and packaging.
#   ./build.sh run      install what is missing, build the release (with debug info)
#                       into build/, start the wizard
#   ./build.sh web      install what is missing, build the browser page build-web/moorplan.html
#   ./build.sh test     install what is missing, build into build-test/ with the address
#                       and undefined-behaviour sanitizers, build the browser page, run
#                       every test through CTest, then build the fuzz targets into
#                       build-fuzz/ and smoke-run each
#   ./build.sh fuzz [SECONDS] [TARGET...]  build the fuzz targets and run each (or the
#                       named ones) for SECONDS (default 60), growing its corpus in
#                       build-fuzz/corpus/; exits non-zero when any finds a fault, naming
#                       the file the fault's input was written to
#   ./build.sh fuzz-coverage  build the fuzz targets with coverage into build-fuzz-cov/, run
#                       each over its corpus, print the line coverage of the readers it aims at
#   ./build.sh package  install what is missing, build build/, make the Debian packages
#                       (build/moorplan_*.deb, build/libmoorplan-support-dev_*.deb)
# Extra arguments after "run" are passed to the wizard (e.g. ./build.sh run /TEST).
# The two trees never share a cache: the program a user runs is never a sanitizer build.
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-charts-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core python3
          dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db
          xvfb xauth xdotool x11-utils libxdamage-dev libchm-dev fp-utils-3.2.2 help2man nlohmann-json3-dev shared-mime-info poppler-utils
          emscripten chromium chromium-driver python3-selenium firefox-esr
          clang libclang-rt-dev llvm locales)

install_missing() {
  local missing=()
  # npm fetches the web tests' axe-core; a Node.js that brings its own npm needs no other.
  command -v npm >/dev/null || PACKAGES+=(npm)
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

# configure_and_build_fuzz TREE [cmake options]
configure_and_build_fuzz() {
  local tree=$1
  shift
  CXX=clang++ cmake -S fuzz -B "$tree" "$@" >/dev/null
  cmake --build "$tree" -j"$(nproc)"
}

sanitizer_environment() {
  export QT_QPA_PLATFORM=offscreen
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
}

# fuzz_targets TREE [NAME...]: the lines of the tree's target list (name, input
# limit, readers, seed folders; tab-separated), all or the named ones.
fuzz_targets() {
  local tree=$1
  shift
  local name rest
  while IFS=$'\t' read -r name rest; do
    if [ $# -eq 0 ] || printf '%s\n' "$@" | grep -qxF "$name"; then
      printf '%s\t%s\n' "$name" "$rest"
    fi
  done <"$tree/fuzz-targets.tsv"
}

# fuzz_run SECONDS [NAME...]: each target in turn, all of them even after a
# finding; the status says whether any found a fault.
fuzz_run() {
  local seconds=$1
  shift
  local status=0 ran=0 name max_len readers seeds log
  while IFS=$'\t' read -r name max_len readers seeds; do
    mkdir -p "build-fuzz/corpus/$name" "build-fuzz/findings/$name"
    log="build-fuzz/findings/$name.log"
    ran=$((ran + 1))
    echo "== $name: $seconds s, inputs up to $max_len bytes"
    IFS=';' read -r -a seeds <<<"$seeds"
    if "build-fuzz/fuzz_$name" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
         -artifact_prefix="build-fuzz/findings/$name/" "build-fuzz/corpus/$name" "${seeds[@]}" \
         </dev/null >"$log" 2>&1 && ! grep -q "Test unit written to" "$log"; then
      grep -E "stat::(number_of_executed_units|average_exec_per_sec)" "$log" || true
    else
      status=1
      grep -E "^(==[0-9]+==ERROR|SUMMARY):" "$log" || true
      grep -q "Test unit written to" "$log" || echo "FAILED without a finding file"
      sed -n 's/.*Test unit written to \(.*\)/FINDING: \1/p' "$log"
      echo "   log: $log; reproduce: build-fuzz/fuzz_$name FILE"
    fi
  done < <(fuzz_targets build-fuzz "$@")
  [ "$ran" -gt 0 ] || { echo "no fuzz target named: $*" >&2; return 2; }
  return "$status"
}

# fuzz_coverage: each target replays its corpus (the seeds and what
# ./build.sh fuzz found) once; the lines of its readers that ran.
fuzz_coverage() {
  local tree=build-fuzz-cov name max_len readers seeds reader objects
  rm -rf "$tree/profiles" && mkdir -p "$tree/profiles"
  mapfile -t objects < <(find "$tree" -name 'lib*.so' -printf '-object=%p\n')
  while IFS=$'\t' read -r name max_len readers seeds; do
    IFS=';' read -r -a seeds <<<"$seeds"
    [ -d "build-fuzz/corpus/$name" ] && seeds+=("build-fuzz/corpus/$name")
    # One profile per module: the target and each shared library it loads.
    LLVM_PROFILE_FILE="$tree/profiles/$name-%m.profraw" "$tree/fuzz_$name" -runs=0 -max_len="$max_len" \
      "${seeds[@]}" </dev/null >"$tree/profiles/$name.log" 2>&1 ||
      { echo "$name: an input of its corpus fails, see $tree/profiles/$name.log"; continue; }
    llvm-profdata merge -sparse -o "$tree/profiles/$name.profdata" "$tree/profiles/$name"-*.profraw
    IFS=';' read -r -a readers <<<"$readers"
    for reader in "${readers[@]}"; do
      llvm-cov report "$tree/fuzz_$name" "${objects[@]}" \
        -instr-profile="$tree/profiles/$name.profdata" |
        awk -v name="$name" -v reader="$reader" '
          $1 ~ ("(^|/)" reader "$") { printf "%-10s %-40s lines %5s of %4d covered (%s)\n", name, $1, $8 - $9, $8, $10; found = 1 }
          END { if (!found) printf "%-10s %-40s not in the target\n", name, reader }'
    done
  done < <(fuzz_targets "$tree")
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
# axe-core (pinned) checks the page in the web tests.
AXE_CORE_VERSION=4.10.3
build_web() {
  export NODE_PATH="${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs"
  emcmake cmake -S . -B build-web >/dev/null
  cmake --build build-web -j"$(nproc)"
  if ! grep -qs "\"version\": \"$AXE_CORE_VERSION\"" build-web/node/node_modules/axe-core/package.json; then
    npm install --prefix build-web/node --no-save --no-audit --no-fund "axe-core@$AXE_CORE_VERSION" >/dev/null
  fi
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
    configure_and_build_fuzz build-fuzz -DMOORPLAN_FUZZ_COVERAGE=OFF
    sanitizer_environment
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
    configure_and_build_fuzz build-fuzz -DMOORPLAN_FUZZ_COVERAGE=OFF
    sanitizer_environment
    fuzz_run "$seconds" "${@:3}"
    ;;
  fuzz-coverage)
    install_missing
    configure_and_build_fuzz build-fuzz-cov -DMOORPLAN_FUZZ_COVERAGE=ON
    export QT_QPA_PLATFORM=offscreen
    fuzz_coverage
    ;;
  *)
    echo "usage: ./build.sh run [wizard switches] | ./build.sh web | ./build.sh test | ./build.sh package | ./build.sh fuzz [SECONDS] [TARGET...] | ./build.sh fuzz-coverage" >&2
    exit 2
    ;;
esac
