#!/usr/bin/env bash
# Installs what is missing, builds Velmora and makes its Debian package in build/ (or
# $VELMORA_BUILD_DIR). Arguments go to CMake, e.g. -DVELMORA_APP_ID=org.example.Velmora.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_BUILD_DIR:-$here/build}
"$here/scripts/install-deps.sh"
# The package installs under /usr: the paths compiled into the program (the help page) must agree.
"$here/scripts/build.sh" -DCMAKE_INSTALL_PREFIX=/usr -DVELMORA_TEST_HOOKS=OFF "$@"
cpack --config "$build/CPackConfig.cmake" -B "$build"
echo "Package: $(ls "$build"/velmora_*.deb)"
