#!/usr/bin/env bash
# `./build.sh test` then `./build.sh run`: the wizard that starts must come from
# a tree configured without sanitizers, and the test tree must be another one.
# build.sh runs in a copy with stand-ins (BuildScriptStubs.sh).
#   BuildTreesTest.sh SOURCE_DIR WORK
set -euo pipefail
source=$1 work=$2
. "$(dirname "$0")/BuildScriptStubs.sh"
build_script_stubs "$source" "$work"

cd "$work/project"
tested=$(./build.sh test)
started=$(./build.sh run /TEST)
# The program's suite runs first; the fuzz targets' smoke runs follow in a tree of their own.
trees=$(sed -n 's/^ctest --test-dir \([^ ]*\) .*/\1/p' <<<"$tested")
tree=$(head -n 1 <<<"$trees")
[ -n "$tree" ] && ! grep -qx build <<<"$trees" || { echo "FAIL: tests ran in '$trees'" >&2; exit 1; }
grep -qx "MOORPLAN_SANITIZE=ON" "$tree/cache" || { echo "FAIL: the test tree is not sanitized" >&2; exit 1; }
[ "$started" = "started build MOORPLAN_SANITIZE=OFF" ] || { echo "FAIL: run gave '$started'" >&2; exit 1; }
