#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks what a desktop needs of it: the program,
# a valid desktop entry, valid AppStream metadata and the icon at every size.
# Usage: install-test.sh BUILD_DIR APP_ID "ICON_SIZES"
set -euo pipefail
build=$1 id=$2 sizes=${3//;/ }
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
DESTDIR=$dest "${CMAKE:-cmake}" --install "$build" --prefix /usr >/dev/null
root=$dest/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# The languages the interface ships besides English and Simplified Chinese: a desktop that shows
# one of them shows the entry's and the metadata's texts in it too.
languages="de fr es pt_BR ru ja ko zh_TW"

[ -x "$root/bin/velmora" ] || fail "no executable bin/velmora"

desktop=$root/share/applications/$id.desktop
if [ -f "$desktop" ]; then
    echo "desktop-file-validate $desktop"
    if ! out=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$out" ]; then
        fail "desktop-file-validate: $out"
    fi
    grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the icon $id"
    grep -qx "Exec=velmora" "$desktop" || fail "desktop entry does not start velmora"
    for lang in $languages; do
        for key in Name Comment; do
            grep -q "^$key\[$lang\]=." "$desktop" || fail "desktop entry has no $key[$lang]"
        done
    done
else
    fail "no desktop entry $desktop"
fi

metainfo=$root/share/metainfo/$id.metainfo.xml
if [ -f "$metainfo" ]; then
    echo "appstreamcli validate --no-net $metainfo"
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
    # The tree as a whole: the launchable desktop entry is there and agrees with the metadata.
    echo "appstreamcli validate-tree --no-net $root"
    appstreamcli validate-tree --no-net "$root" || fail "appstreamcli validate-tree"
    grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo does not launch $id.desktop"
    for lang in $languages; do
        for tag in name summary p; do
            grep -q "<$tag xml:lang=\"$lang\">" "$metainfo" || fail "metainfo has no $tag in $lang"
        done
    done
else
    fail "no metainfo $metainfo"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }'; }
for size in $sizes; do
    icon=$root/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [ -f "$icon" ]; then
        [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon")"
    else
        fail "no icon $icon"
    fi
done
svg=$root/share/icons/hicolor/scalable/apps/$id.svg
grep -q "<svg" "$svg" 2>/dev/null || fail "no scalable icon $svg"

[ -s "$root/share/doc/velmora/copyright" ] || fail "no copyright file"
for page in help.html help.en.html; do
    [ -s "$root/share/velmora/$page" ] || fail "no help page share/velmora/$page"
done

[ "$failures" -eq 0 ] && echo "install tree checked: $root"
# The manual page: installed compressed, read by man without warnings, covering every option.
manpage=$root/share/man/man1/velmora.1.gz
if [ -f "$manpage" ]; then
    echo "man --warnings $manpage"
    if ! page=$(MANPATH=$root/share/man MANWIDTH=80 man --warnings velmora 2>"$dest/man.err"); then
        fail "man velmora"
    fi
    [ -s "$dest/man.err" ] && fail "man warnings: $(cat "$dest/man.err")"
    for option in --help --version --purge-days --purge-before --max-size --min-free --all \
        --dry-run --json --quiet --verbose --trash-dir; do
        grep -q -- "$option" <<<"$page" || fail "the manual page does not cover $option"
    done
    grep -q "EXIT STATUS" <<<"$page" || fail "the manual page gives no exit statuses"
else
    fail "no manual page $manpage"
fi

# The completion offers the options.
completion=$root/share/bash-completion/completions/velmora
if [ -f "$completion" ]; then
    offered=$(bash -c 'source "$1"; COMP_WORDS=(velmora --m); COMP_CWORD=1; _velmora
        printf "%s\n" "${COMPREPLY[@]}"' _ "$completion")
    [ "$offered" = $'--max-size\n--min-free' ] || fail "completion of --m: $offered"
else
    fail "no bash completion $completion"
fi

exit $((failures > 0))
