#!/usr/bin/env bash
# Takes the Windows screenshots in docs/ (windows-main-window.png, windows-analysis-dialog.png,
# windows-find-dialog.png, windows-item-menu.png) under Wine on a virtual X server, over a
# generated trash in a temporary folder, after scripts/build-windows.sh. Without a window manager
# Wine is told to draw every window's frame itself.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_WINDOWS_BUILD_DIR:-$here/build-windows}
out=${1:-$here/docs}
scratch=$(mktemp -d)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$scratch"' EXIT
mkdir -p "$scratch/data" "$scratch/home" "$scratch/locales" "$scratch/shots"
python3 "$here/tools/make-trash" --root "$scratch/data" --items 40 --seed 25 \
    --now 2026-06-01T12:00:00 --file-size 2000000 >/dev/null
export WINEPREFIX=$scratch/prefix HOME=$scratch/home XDG_DATA_HOME=$scratch/data
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" VELMORA_TRASH_VOLUMES=
localedef -i zh_CN -f UTF-8 "$scratch/locales/zh_CN.UTF-8"
export LOCPATH=$scratch/locales LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# The driver writes NAME.rect (width height x y) and waits for NAME.done; this side takes the
# picture of that part of the screen.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wineboot --init >/dev/null 2>&1 && wineserver -w
    wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    wineserver -w
    ( while :; do
        for r in "$3"/*.rect; do
          [ -e "$r" ] || continue
          read -r w h x y <"$r"; base=${r%.rect}
          import -window root -crop "${w}x${h}+${x}+${y}" +repage "$base.png"
          rm "$r"; touch "$base.done"
        done; sleep 0.1
      done ) & watcher=$!
    wine "$1/tests/win32/screenshot_driver.exe" "Z:$1/velmora.exe" "Z:$3"
    kill $watcher' _ "$build" "$out" "$scratch/shots"
cp "$scratch/shots"/*.png "$out"/
ls "$scratch/shots"
