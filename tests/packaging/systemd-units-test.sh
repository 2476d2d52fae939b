#!/usr/bin/env bash
# Installs the build and checks the systemd user units of the daily purge: where they go, what
# ExecStart names, that nothing enables them, and what systemd-analyze verify says of them as
# installed. Exits 77 (skipped) where systemd-analyze is missing or cannot run here.
# Usage: systemd-units-test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# As a package installs it: DESTDIR, prefix /usr.
DESTDIR=$work/dest "${CMAKE:-cmake}" --install "$build" --prefix /usr >/dev/null
units=$work/dest/usr/lib/systemd/user
service=$units/velmora-purge.service
timer=$units/velmora-purge.timer
[ -f "$service" ] || fail "no $service"
[ -f "$timer" ] || fail "no $timer"
key() { grep -x "$2" "$1" >/dev/null || fail "$(basename "$1") lacks the line '$2'"; }
key "$service" "ExecStart=/usr/bin/velmora --purge-days 30"
key "$service" "Type=oneshot"
key "$service" "Nice=10"
key "$service" "IOSchedulingClass=idle"
key "$service" "SuccessExitStatus=1"
key "$timer" "OnCalendar=daily"
key "$timer" "Persistent=true"
key "$timer" "RandomizedDelaySec=1h"
key "$timer" "WantedBy=timers.target"
# Not enabled: no .wants folder and no link to a unit anywhere in the installation.
enabled=$(find "$work/dest" \( -name '*.wants' -o -type l -name 'velmora-purge.*' \) -print)
[ -z "$enabled" ] || fail "the units are enabled by the installation: $enabled"
[ "$failures" -eq 0 ] || exit 1

if ! command -v systemd-analyze >/dev/null; then
    echo "systemd-analyze is not installed: verification skipped"
    exit 77
fi
# User units are verified against a user manager's paths, which need a runtime folder.
export XDG_RUNTIME_DIR=$work/run
mkdir -m 0700 "$XDG_RUNTIME_DIR"
mkdir "$work/probe"
printf '[Service]\nType=oneshot\nExecStart=/bin/true\n' >"$work/probe/probe.service"
if ! out=$(systemd-analyze verify --user "$work/probe/probe.service" 2>&1); then
    echo "systemd-analyze cannot run here: verification skipped ($out)"
    exit 77
fi

# As installed into a prefix of its own, so that ExecStart names the installed copy.
"${CMAKE:-cmake}" --install "$build" --prefix "$work/prefix" >/dev/null
units=$work/prefix/lib/systemd/user
key "$units/velmora-purge.service" "ExecStart=$work/prefix/bin/velmora --purge-days 30"
echo "systemd-analyze verify --user $units/velmora-purge.service $units/velmora-purge.timer"
# Warnings (an unknown key, a bad value) do not change the status: any output is a failure.
if ! out=$(systemd-analyze verify --user "$units/velmora-purge.service" \
    "$units/velmora-purge.timer" 2>&1) || [ -n "$out" ]; then
    fail "systemd-analyze verify: $out"
fi

# The service's sandbox: systemd's offline exposure score at most 5.0, and nothing that would
# hide the home, /tmp or the lock on the trash (ProtectHome, PrivateTmp, ProtectSystem=strict).
for hidden in ProtectHome= PrivateTmp= ProtectSystem=strict PrivateUsers=; do
    grep -q "^$hidden" "$units/velmora-purge.service" && fail "the service sets $hidden"
done
echo "systemd-analyze security --user --offline=true $units/velmora-purge.service"
report=$(systemd-analyze security --user --offline=true "$units/velmora-purge.service" 2>&1) ||
    fail "systemd-analyze security: $report"
score=$(sed -n 's/.*Overall exposure level for [^:]*: \([0-9.]*\).*/\1/p' <<<"$report")
echo "exposure: $score"
[ -n "$score" ] && awk -v s="$score" 'BEGIN { exit !(s <= 5.0) }' ||
    fail "exposure level ${score:-unknown} is above 5.0"

[ "$failures" -eq 0 ] && echo "systemd units checked"
exit $((failures > 0))
