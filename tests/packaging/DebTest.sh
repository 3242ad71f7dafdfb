#!/usr/bin/env bash
# Makes the Debian packages of BUILD_DIR in WORK and checks their control
# fields and contents:  DebTest.sh BUILD_DIR WORK LIBDIR
set -euo pipefail
build=$1 work=$2 libdir=${3#/}
id=org.moorplan.Moorplan

fail() { echo "FAIL: $*" >&2; exit 1; }
field() { dpkg-deb -f "$1" "$2"; }
contents() { dpkg-deb -c "$1" | awk '{print $6}' | sed 's|^\./||; /\/$/d'; }
expect_files() {
  local deb=$1; shift
  local list; list=$(contents "$deb")
  for f in "$@"; do grep -qx "$f" <<<"$list" || fail "$(basename "$deb") lacks $f"; done
}
expect_field() {
  [[ "$(field "$1" "$2")" =~ $3 ]] || fail "$(basename "$1") $2: '$(field "$1" "$2")' does not match '$3'"
}

rm -rf "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
runtime=$(echo "$work"/moorplan_1.3_*.deb)
dev=$(echo "$work"/libmoorplan-support-dev_1.3_*.deb)
[ -f "$runtime" ] && [ -f "$dev" ] || fail "packages missing: $(ls "$work")"

expect_field "$runtime" Package '^moorplan$'
expect_field "$runtime" Version '^1\.3$'
expect_field "$runtime" Section '^science$'
expect_field "$runtime" Architecture "^$(dpkg --print-architecture)$"
# Depends come from the binaries (shlibdeps), besides the platform plugin.
expect_field "$runtime" Depends 'libc6 \(>= [^)]*\).*libqt6widgets6 \(>= [^)]*\)'
expect_field "$runtime" Depends 'qt6-qpa-plugins'
expect_field "$runtime" Depends 'libqt6charts6'   # from the chart module
expect_field "$runtime" Description '^battery endurance planner for moored oceanographic instruments'$'\n'' Moorplan estimates'
expect_field "$dev" Package '^libmoorplan-support-dev$'
expect_field "$dev" Version '^1\.3$'
expect_field "$dev" Depends '^moorplan \(= 1\.3\), qt6-base-dev$'

icons=()
for n in 16 32 48 64 128 256; do icons+=("usr/share/icons/hicolor/${n}x$n/apps/$id.png"); done
expect_files "$runtime" usr/bin/moorplan usr/bin/moorplan-report \
  "usr/$libdir/libmoorplan-support.so.1" "usr/$libdir/libmoorplan-support.so.1.3" \
  "usr/$libdir/moorplan/moorplan-charts.so" \
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml usr/share/mime/packages/$id.xml \
  "${icons[@]}" usr/share/icons/hicolor/scalable/apps/$id.svg \
  usr/share/man/man1/moorplan.1.gz usr/share/man/man1/moorplan-report.1.gz \
  usr/share/doc/moorplan/copyright usr/share/doc/moorplan/changelog.gz
expect_files "$dev" usr/include/moorplan-support/Help.h "usr/$libdir/libmoorplan-support.so" \
  "usr/$libdir/cmake/MoorplanSupport/MoorplanSupportConfig.cmake" "usr/$libdir/pkgconfig/moorplan-support.pc" \
  usr/share/doc/libmoorplan-support-dev/copyright usr/share/doc/libmoorplan-support-dev/changelog.gz
# Each file belongs to one package only.
both=$(comm -12 <(contents "$runtime" | sort) <(contents "$dev" | grep -v '^usr/share/doc/' | sort))
[ -z "$both" ] || fail "in both packages: $both"
grep -qx './shlibs' <<<"$(dpkg-deb --ctrl-tarfile "$runtime" | tar -t)" || fail "no shlibs file for the library"

copyright=$(dpkg-deb --fsys-tarfile "$runtime" | tar -xO ./usr/share/doc/moorplan/copyright)
[[ "$copyright" == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"* ]] \
  || fail "copyright is not machine-readable"
grep -q '^License: Expat$' <<<"$copyright" || fail "copyright names no licence"
