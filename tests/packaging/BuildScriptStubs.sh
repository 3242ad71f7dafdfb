# Sourced by the tests of build.sh: build.sh copied into WORK/project, with
# stand-ins on WORK/bin for cmake, emcmake, ctest and dpkg-query. The cmake
# stand-in keeps a cache per tree the way CMake does (a -D value stays until
# changed) and builds a `moorplan` that says which tree and setting made it.
#   build_script_stubs SOURCE_DIR WORK
build_script_stubs() {
  local source=$1 work=$2
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
  export PATH=$work/bin:$PATH
}
