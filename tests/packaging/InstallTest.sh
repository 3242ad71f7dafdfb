#!/usr/bin/env bash
# One step of installing Moorplan as a user would, into a temporary DESTDIR:
#   InstallTest.sh STEP BUILD_DIR SOURCE_DIR STAGE LIBDIR SANITIZE HEADERS
# (HEADERS: the support library's public headers, separated by ';').
# "stage" installs; the other steps check the staged tree.
set -euo pipefail
step=$1 build=$2 source=$3 stage=$4 libdir=$5 sanitize=$6 headers=$7
prefix=/opt/moorplan          # not a system prefix: nothing may come from /usr by chance
root=$stage$prefix
id=org.moorplan.Moorplan

fail() { echo "FAIL: $*" >&2; exit 1; }

case $step in
  stage)
    rm -rf "$stage"
    DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >/dev/null
    ;;
  files)
    expected=(bin/moorplan bin/moorplan-report
              "$libdir/libmoorplan-support.so.1" "$libdir/libmoorplan-support.so"
              "$libdir/moorplan/moorplan-charts.so"
              share/applications/$id.desktop share/metainfo/$id.metainfo.xml
              share/mime/packages/$id.xml
              share/icons/hicolor/scalable/apps/$id.svg
              share/man/man1/moorplan.1 share/man/man1/moorplan-report.1
              "$libdir/cmake/MoorplanSupport/MoorplanSupportConfig.cmake"
              "$libdir/cmake/MoorplanSupport/MoorplanSupportConfigVersion.cmake"
              "$libdir/pkgconfig/moorplan-support.pc")
    for n in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${n}x$n/apps/$id.png"); done
    IFS=';' read -ra aHeaders <<<"$headers"
    for h in "${aHeaders[@]}"; do expected+=("include/moorplan-support/$h"); done
    for f in "${expected[@]}"; do [ -e "$root/$f" ] || fail "not installed: $f"; done
    [ -f "$root/share/moorplan/Moorplan.chm" ] || fail "help file not installed"
    for n in 16 32 48 64 128 256; do
      grep -q "PNG image data, $n x $n," <<<"$(file "$root/share/icons/hicolor/${n}x$n/apps/$id.png")" \
        || fail "icon ${n}x$n has another size"
    done
    [ "$(readlink "$root/$libdir/libmoorplan-support.so.1")" = libmoorplan-support.so.1.3 ] || fail "SONAME link"
    for program in moorplan moorplan-report; do
      runpath=$(readelf -d "$root/bin/$program" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
      [ "$runpath" = "\$ORIGIN/../$libdir" ] || fail "$program's RUNPATH is '$runpath'"
    done
    ;;
  desktop)
    desktop-file-validate "$root/share/applications/$id.desktop"
    appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"
    grep -qx 'MimeType=application/x-moorplan;application/x-moorplan-mooring;' "$root/share/applications/$id.desktop" \
      || fail "no MimeType"
    # "New Mooring": the desktop action that opens an empty mooring window.
    grep -qx 'Exec=moorplan /MOORING' "$root/share/applications/$id.desktop" || fail "no New Mooring action"
    ;;
  mime)
    # The staged type database names *.moorplan as a plan, *.mooring as a mooring.
    db=$(mktemp -d)
    mkdir -p "$db/packages"
    cp "$root/share/mime/packages/$id.xml" "$db/packages/"
    update-mime-database "$db" 2>/dev/null
    for glob in moorplan:moorplan moorplan-mooring:mooring; do
      grep -q "^50:application/x-${glob%%:*}:\\*\\.${glob#*:}\$" "$db/globs2" \
        || { rm -rf "$db"; fail "no glob for *.${glob#*:}"; }
    done
    rm -rf "$db"
    ;;
  man)
    for page in moorplan moorplan-report; do
      warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man1/$page.1" 2>&1 >/dev/null)
      [ -z "$warnings" ] || fail "$page.1: $warnings"
    done
    ;;
  report)
    # The staged wizard finds the staged library through its RUNPATH alone.
    loaded=$(env -u LD_LIBRARY_PATH ldd "$root/bin/moorplan" | sed -n 's/.*libmoorplan-support.so.1 => \(.*\) (0x.*/\1/p')
    [ "$(realpath "$loaded")" = "$(realpath "$root/$libdir/libmoorplan-support.so.1")" ] \
      || fail "moorplan loads '$loaded', not the installed library"
    report=$(env -u LD_LIBRARY_PATH "$root/bin/moorplan-report" --model "Kelvo 700 - Integral Pump" \
      --comm "RS 232" --firmware "3.0 and higher, less than 4.0" --pressure-sensor "Strain gauge" \
      --interval 600 --sampling autonomous --battery "AA Lithium")
    grep -q "^Battery Endurance is: .* Days" <<<"$report" || fail "no endurance in: $report"
    ;;
  consumer)
    # Another program finds the staged library with find_package and with pkg-config.
    flags=()
    [ "$sanitize" = ON ] && flags=(-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined)
    rm -rf "$stage-consumer"
    cmake -S "$source/tests/support/consumer" -B "$stage-consumer" -DCMAKE_PREFIX_PATH="$root" "${flags[@]}" >/dev/null
    cmake --build "$stage-consumer" >/dev/null
    QT_QPA_PLATFORM=offscreen "$stage-consumer/support_consumer" || fail "the consumer's calls failed"
    cflags=$(PKG_CONFIG_PATH=$root/$libdir/pkgconfig pkg-config --cflags --libs moorplan-support)
    grep -q -- "-lmoorplan-support" <<<"$cflags" || fail "pkg-config: $cflags"
    [ -f "$(sed -n 's/^-I\([^ ]*\) .*/\1/p' <<<"$cflags")/Help.h" ] || fail "pkg-config include folder: $cflags"
    ;;
  *) fail "unknown step $step" ;;
esac
