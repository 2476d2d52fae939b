#!/bin/sh
# The installer under Wine: a silent install puts the program, its help page, its Start-menu entry
# and the uninstaller in place; the silent uninstaller removes every one of them. WINEPREFIX: the
# test's.
set -eu
setup=$1
dir="$WINEPREFIX/drive_c/Velmora-test"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora"
rm -rf "$dir"
wine "$setup" /S '/D=C:\Velmora-test' >/dev/null 2>&1
wineserver -w
for f in "$dir/velmora.exe" "$dir/help.html" "$dir/uninstall.exe" "$menu/Velmora.lnk"; do
    [ -e "$f" ] || { echo "not installed: $f"; exit 1; }
done
wine "$dir/uninstall.exe" /S >/dev/null 2>&1
wineserver -w
for f in "$dir" "$menu"; do
    [ ! -e "$f" ] || { echo "left after uninstalling: $f"; ls -la "$f"; exit 1; }
done
echo "installed and uninstalled silently"
