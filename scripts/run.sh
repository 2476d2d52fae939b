#!/usr/bin/env bash
# Installs what is missing, builds Velmora and starts it. Without a display it runs the program
# on a virtual one, saves a screenshot of the main window and ends it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
binary=${VELMORA_BUILD_DIR:-$here/build}/app/velmora

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$binary"
fi

shot=${VELMORA_SCREENSHOT:-$here/velmora-screenshot.png}
echo "No display: starting Velmora on a virtual display; the screenshot goes to $shot"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1" & pid=$!
    sleep "${VELMORA_SCREENSHOT_DELAY:-4}"
    # The main window by its title and size; the whole screen if it cannot be found.
    window=$(xwininfo -root -tree | awk "/\"Velmora\".*715x491/ { print \$1; exit }")
    import -window "${window:-root}" "$2"
    kill "$pid"; wait "$pid" 2>/dev/null || true
' _ "$binary" "$shot"
echo "Screenshot saved: $shot"
