#!/bin/sh
# The installer under Wine: a silent install puts the program, its help page, its Start-menu entry
# and the uninstaller in place; the silent uninstaller removes every one of them. WINEPREFIX: the
# test's. A step that fails says which one, with its exit status and what Wine printed.
set -eu
setup=$1
dir="$WINEPREFIX/drive_c/Velmora-test"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
step() {
    what=$1
    shift
    status=0
    "$@" >"$log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || { echo "$what: exit status $status"; cat "$log"; exit 1; }
}
rm -rf "$dir"
step "the silent install" wine "$setup" /S '/D=C:\Velmora-test'
step "waiting for the install" wineserver -w
for f in "$dir/velmora.exe" "$dir/help.html" "$dir/uninstall.exe" "$menu/Velmora.lnk"; do
    [ -e "$f" ] || { echo "not installed: $f"; exit 1; }
done
step "the silent uninstall" wine "$dir/uninstall.exe" /S
step "waiting for the uninstall" wineserver -w
for f in "$dir" "$menu"; do
    [ ! -e "$f" ] || { echo "left after uninstalling: $f"; ls -la "$f"; exit 1; }
done
echo "installed and uninstalled silently"
