#!/usr/bin/env bash
# Installs the Debian packages Velmora needs to build, run and test; only what is missing.
#   install-deps.sh            what building, running and testing need
#   install-deps.sh sanitize   that, and clang 14 with its sanitizer and libFuzzer runtimes and
#                              clang-format 14: the sanitizer builds, the fuzz targets and the
#                              format check (.ci/run, scripts/fuzz.sh)
#   install-deps.sh windows    that, and the MinGW-w64 cross compilers, Wine, a virtual X server
#                              and NSIS: the Windows build, its tests and its installer
#                              (scripts/build-windows.sh, scripts/test-windows.sh)
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-wayland libgl-dev libgtest-dev
    qt6-translations-l10n # Qt's own texts (standard buttons, menus, the calendar) in Chinese
    qt6-tools-dev qt6-l10n-tools # lupdate and lrelease: the catalogs in translations/
    fonts-wqy-microhei
    xvfb xauth x11-utils imagemagick
    lintian # the package test: lintian --pedantic
    python3 trash-cli libglib2.0-bin
    desktop-file-utils appstream dpkg-dev file librsvg2-bin
    systemd # systemd-analyze verifies the daily purge's user units
)
if [ "${1:-}" = sanitize ]; then
    packages+=(clang-14 libclang-rt-14-dev libfuzzer-14-dev clang-format-14)
fi
if [ "${1:-}" = windows ]; then
    packages+=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest ccache
               wine wine64 xvfb xauth nsis locales)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
