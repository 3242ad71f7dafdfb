#!/usr/bin/env bash
# `./build.sh test` then `./build.sh run`: the wizard that starts must come from
# a tree configured without sanitizers, and the test tree must be another one.
# build.sh runs in a copy with stand-ins for cmake, emcmake, ctest and dpkg-query that
# keep a cache per tree the way CMake does (a -D value stays until changed).
#   BuildTreesTest.sh SOURCE_DIR WORK
set -euo pipefail
source=$1 work=$2
rm -rf "$work" && mkdir -p "$work/bin" "$work/project"
cp "$source/build.sh" "$work/project/"

cat >"$work/bin/cmake" <<'STUB'
#!/usr/bin/env bash
if [ "$1" = --build ]; then
  sanitize=$(grep -ho 'MOORPLAN_SANITIZE=[A-Z]*' "$2/cache" | tail -n1)
  printf '#!/bin/sh\necho "started %s %s"\n' "$2" "${sanitize:-MOORPLAN_SANITIZE=OFF}" >"$2/moorplan"
  chmod +x "$2/moorplan"
  exit 0
fi
while [ $# -gt 0 ]; do
  case $1 in
    -B) tree=$2; shift ;;
    -D*) options+=("${1#-D}") ;;
  esac
  shift
done
mkdir -p "$tree" && printf '%s\n' "${options[@]}" >>"$tree/cache"
STUB
printf '#!/bin/sh\necho "ctest $*"\n' >"$work/bin/ctest"
printf '#!/bin/sh\necho "install ok installed"\n' >"$work/bin/dpkg-query"
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/emcmake"
chmod +x "$work/bin"/*

cd "$work/project"
tested=$(PATH=$work/bin:$PATH ./build.sh test)
started=$(PATH=$work/bin:$PATH ./build.sh run /TEST)
tree=$(sed -n 's/^ctest --test-dir \([^ ]*\) .*/\1/p' <<<"$tested" | head -n1)
[ -n "$tree" ] && [ "$tree" != build ] || { echo "FAIL: tests ran in '$tree'" >&2; exit 1; }
grep -qx "MOORPLAN_SANITIZE=ON" "$tree/cache" || { echo "FAIL: the test tree is not sanitized" >&2; exit 1; }
[ "$started" = "started build MOORPLAN_SANITIZE=OFF" ] || { echo "FAIL: run gave '$started'" >&2; exit 1; }
