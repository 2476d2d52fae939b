#!/usr/bin/env bash
# Installs what is missing, builds Velmora with warnings as errors and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh" -DVELMORA_WERROR=ON
cd "${VELMORA_BUILD_DIR:-$here/build}"
ctest --output-on-failure --timeout 600 -j"$(nproc)"
