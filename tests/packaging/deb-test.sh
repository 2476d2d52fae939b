#!/usr/bin/env bash
# Builds the Debian package from the build folder into a temporary folder and checks its control
# fields and file list with dpkg-deb.
# Usage: deb-test.sh BUILD_DIR APP_ID VERSION
set -euo pipefail
build=$1 id=$2 version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"${CPACK:-cpack}" --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
deb=$(ls "$out"/velmora_*.deb)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

field() { dpkg-deb -f "$deb" "$1"; }
dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends Recommends
[ "$(field Package)" = velmora ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
[[ "$(field Maintainer)" =~ ^.+\ \<.+@.+\>$ ]] || fail "Maintainer: $(field Maintainer)"
[[ "$(field Recommends)" == "fonts-wqy-microhei | fonts-noto-cjk"* ]] ||
    fail "Recommends: $(field Recommends)"
# dpkg-shlibdeps found the libraries the program links, with versions.
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    [[ ", $depends" == *", $lib (>= "* ]] || fail "Depends lacks $lib: $depends"
done
# Qt's own texts in Chinese.
[[ ", $depends," == *", qt6-translations-l10n,"* ]] || fail "Depends lacks qt6-translations-l10n: $depends"

files=$(dpkg-deb -c "$deb" | awk '{ print $2, $6 }')
expect=(
    ./usr/bin/velmora
    ./usr/share/applications/$id.desktop
    ./usr/share/metainfo/$id.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/$id.svg
    ./usr/share/doc/velmora/copyright
    ./usr/share/doc/velmora/changelog.gz
    ./usr/lib/systemd/user/velmora-purge.service
    ./usr/lib/systemd/user/velmora-purge.timer
    ./usr/share/man/man1/velmora.1.gz
    ./usr/share/bash-completion/completions/velmora
)
for size in 16 22 32 48 64 128 256; do
    expect+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for f in "${expect[@]}"; do
    grep -qx "root/root $f" <<<"$files" || fail "missing or not owned by root: $f"
done
# Nothing beyond the program and its data: no headers, libraries or test programs.
while read -r owner path; do
    case $path in
    ./ | ./usr/ | ./usr/bin/ | ./usr/bin/velmora | ./usr/share/ | ./usr/share/applications/* | \
        ./usr/share/metainfo/* | ./usr/share/icons/* | ./usr/share/doc/ | \
        ./usr/share/doc/velmora/* | ./usr/share/velmora/* | ./usr/lib/ | ./usr/lib/systemd/ | \
        ./usr/lib/systemd/user/ | ./usr/lib/systemd/user/velmora-purge.* | ./usr/share/man/ | \
        ./usr/share/man/man1/ | ./usr/share/man/man1/velmora.1.gz | ./usr/share/bash-completion/ | \
        ./usr/share/bash-completion/completions/ | ./usr/share/bash-completion/completions/velmora) ;;
    *) fail "unexpected file in the package: $path ($owner)" ;;
    esac
done <<<"$files"

# The timer's service runs the packaged program; the package enables nothing (no scripts).
dpkg-deb --fsys-tarfile "$deb" | tar -xOf - ./usr/lib/systemd/user/velmora-purge.service |
    grep -qx "ExecStart=/usr/bin/velmora --purge-days 30" ||
    fail "the packaged service does not run /usr/bin/velmora --purge-days 30"
control=$(dpkg-deb -I "$deb")
grep -Eq " (postinst|prerm|postrm|preinst) " <<<"$control" && fail "the package has maintainer scripts"

# Debian's own checker, pedantic: no error and no warning (the info tags left are explained in
# the README's packaging section). The binary is hardened: full RELRO and immediate binding.
if command -v lintian >/dev/null; then
    echo "lintian --pedantic -I $(basename "$deb")"
    tags=$(lintian --pedantic -I "$deb" 2>&1 | grep -v '^running with root privileges' || true)
    [ -n "$tags" ] && echo "$tags"
    grep -E '^[EW]: ' <<<"$tags" && fail "lintian reports errors or warnings"
    for tag in no-changelog hardening-no-bindnow hardening-no-fortify-functions hardening-no-relro \
        no-manual-page; do
        grep -q " $tag" <<<"$tags" && fail "lintian: $tag"
    done
else
    fail "lintian is not installed (scripts/install-deps.sh installs it)"
fi
[ "$failures" -eq 0 ] && echo "package checked: $(basename "$deb"), $(wc -l <<<"$files") entries"
exit $((failures > 0))
