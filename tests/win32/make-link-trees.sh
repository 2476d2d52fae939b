#!/bin/sh
# Makes, inside the Wine prefix's drive C:, the Recycle Bin storage items that hold links (which
# Wine cannot make from Windows code): $RLINKS holds a file, a link to a folder and a link to a
# file, both outside the item; $RDLINK is itself a link to a folder; $RLONGLINK holds the same
# links and a file in a folder whose path is longer than MAX_PATH. Each target holds a canary.
set -eu
storage="$WINEPREFIX/drive_c/\$Recycle.Bin/S-1-5-21-1-2-3-1001"
outside="$WINEPREFIX/drive_c/link-targets"
deep=$(printf 'd%.0s' $(seq 100))
deep="$storage/\$RLONGLINK/$deep/$deep/$deep"
rm -rf "$storage/\$RLINKS" "$storage/\$RDLINK" "$storage/\$RLONGLINK" "$outside"
mkdir -p "$storage/\$RLINKS/inner" "$outside/folder" "$outside/item-target"
echo canary >"$outside/folder/canary"
echo canary >"$outside/file-canary"
echo canary >"$outside/item-target/canary"
echo data >"$storage/\$RLINKS/inner/data"
ln -s "$outside/folder" "$storage/\$RLINKS/inner/folder-link"
ln -s "$outside/file-canary" "$storage/\$RLINKS/file-link"
ln -s "$outside/item-target" "$storage/\$RDLINK"
mkdir -p "$deep"
echo data >"$deep/data"
ln -s "$outside/folder" "$deep/folder-link"
ln -s "$outside/file-canary" "$deep/file-link"
