#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 into build-windows/ (or
# $VELMORA_WINDOWS_BUILD_DIR): build-windows/velmora.exe. Arguments go to cmake's configure step;
# VELMORA_WINDOWS_TARGETS="a b" builds only those targets.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_WINDOWS_BUILD_DIR:-$here/build-windows}
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache
                                          -DCMAKE_C_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$here}
cmake -S "$here" -B "$build" -G Ninja --toolchain "$here/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-Release} -DVELMORA_WERROR=ON "${launcher[@]}" "$@" >/dev/null
targets=()
[ -n "${VELMORA_WINDOWS_TARGETS:-}" ] && read -ra targets <<<"--target $VELMORA_WINDOWS_TARGETS"
cmake --build "$build" "${targets[@]}"
