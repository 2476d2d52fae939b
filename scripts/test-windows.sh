#!/usr/bin/env bash
# The Windows build's tests: installs what they need (install-deps.sh windows), cross-builds
# everything into build-windows/ and runs every Windows test under Wine, headless on a virtual X
# server, with a Wine prefix, HOME and XDG_DATA_HOME of its own in a temporary folder (so Wine's
# Recycle Bin, which is the freedesktop.org trash under that HOME, is never the real one).
# The tests run in a Simplified Chinese locale (the program's own language), compiled into the
# temporary folder so that the machine's locales are not changed. Prints the time it took.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
"$here/scripts/install-deps.sh" windows
"$here/scripts/build-windows.sh"
build=${VELMORA_WINDOWS_BUILD_DIR:-$here/build-windows}

scratch=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
export WINEPREFIX=$scratch/prefix HOME=$scratch/home XDG_DATA_HOME=$scratch/home/.local/share
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" VELMORA_TRASH_VOLUMES=
mkdir -p "$HOME" "$XDG_DATA_HOME" "$scratch/locales"
localedef -i zh_CN -f UTF-8 "$scratch/locales/zh_CN.UTF-8"
export LOCPATH=$scratch/locales
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineboot --init >/dev/null 2>&1 && wineserver -w
    ctest --test-dir "$1" --output-on-failure --timeout 600 -j1' _ "$build" || status=$?
echo "test-windows: $([ $status -eq 0 ] && echo passed || echo FAILED) in $(($(date +%s) - start)) s"
exit $status
