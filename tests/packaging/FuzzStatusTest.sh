#!/usr/bin/env bash
# `./build.sh fuzz`: exit 0 when no target finds anything; on a finding, the
# other targets still run, the status is not 0 and the finding's file is named.
# The fuzz tree holds stand-in targets that record their arguments; build.sh
# runs in a copy with stand-ins (BuildScriptStubs.sh).
#   FuzzStatusTest.sh SOURCE_DIR WORK
set -euo pipefail
source=$1 work=$2
. "$(dirname "$0")/BuildScriptStubs.sh"
build_script_stubs "$source" "$work"
cd "$work/project"
mkdir -p build-fuzz

fail() { echo "FAIL: $*" >&2; exit 1; }
# target NAME MAX_LEN [planted]: a stand-in and its line in the target list.
target() {
  printf '%s\t%s\tReader.cpp\t%s\n' "$1" "$2" "$PWD/seeds" >>build-fuzz/fuzz-targets.tsv
  cat >"build-fuzz/fuzz_$1" <<STUB
#!/bin/sh
echo "\$*" >"\$0.args"
echo "stat::number_of_executed_units: 42"
[ -z "${3:-}" ] && exit 0
for arg; do case \$arg in -artifact_prefix=*) prefix=\${arg#*=} ;; esac; done
printf x >"\${prefix}crash-planted"
echo "==1==ERROR: libFuzzer: deadly signal"
echo "Test unit written to \${prefix}crash-planted"
exit 1
STUB
  chmod +x "build-fuzz/fuzz_$1"
}

target first 64
target last 4096
out=$(./build.sh fuzz 3) || fail "a clean run exited $?: $out"
grep -q -- "-max_total_time=3 -max_len=64 .*build-fuzz/corpus/first $PWD/seeds" build-fuzz/fuzz_first.args ||
  fail "first ran as: $(cat build-fuzz/fuzz_first.args)"
grep -q -- "-max_len=4096" build-fuzz/fuzz_last.args || fail "last was not given its own limit"

: >build-fuzz/fuzz-targets.tsv
target first 64
target planted 64 planted
target last 4096
rm build-fuzz/*.args
if out=$(./build.sh fuzz 3); then fail "a planted crash exited 0: $out"; fi
finding=$(sed -n 's/^FINDING: //p' <<<"$out")
[ "$finding" = build-fuzz/findings/planted/crash-planted ] && [ -f "$finding" ] || fail "no finding named: $out"
[ -f build-fuzz/fuzz_last.args ] || fail "the targets after the finding did not run"
