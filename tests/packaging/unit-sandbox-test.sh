#!/usr/bin/env bash
# Runs the daily purge as its user unit would, where no user manager can start it: the installed
# program with the unit's ExecStart, under the restrictions of the unit's [Service] section
# applied by hand (unit-sandbox.py reports each as applied or skipped, with why), on a test trash
# and a volume's trash, and compares its dry run's JSON and what the purge leaves with an
# unrestricted run on identical trashes. Then checks that each applied restriction holds. As
# root, everything runs as nobody, as a user unit runs as its user.
# Exits 77 (skipped) without systemd-analyze or python3-seccomp (scripts/install-deps.sh).
# Usage: unit-sandbox-test.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! command -v systemd-analyze >/dev/null; then
    echo "systemd-analyze is not installed: the unit's system-call sets are unknown; skipped"
    exit 77
fi
# The system's Python, which has libseccomp's binding, before one of a user's own.
py=
for candidate in /usr/bin/python3 python3; do
    if "$candidate" -c 'import seccomp' 2>/dev/null; then
        py=$(command -v "$candidate")
        break
    fi
done
if [ -z "$py" ]; then
    echo "python3-seccomp is not installed: skipped"
    exit 77
fi

work=$(mktemp -d)
trap 'chmod -R u+rwX "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 0755 "$work"
as_user=()
uid=$(id -u)
gid=$(id -g)
if [ "$uid" -eq 0 ]; then
    uid=$(id -u nobody)
    gid=$(id -g nobody)
    as_user=(setpriv --reuid="$uid" --regid="$gid" --clear-groups --)
fi
# The test's own copies, where the user can read them whoever owns the source tree.
cp "$here/unit-sandbox.py" "$here/../../tools/make-trash" "$work/"

"${CMAKE:-cmake}" --install "$build" --prefix "$work/prefix" >/dev/null
unit=$work/prefix/lib/systemd/user/velmora-purge.service
read -r -a exec_start <<<"$(sed -n 's/^ExecStart=//p' "$unit")"
[ "${exec_start[0]:-}" = "$work/prefix/bin/velmora" ] ||
    fail "ExecStart names '${exec_start[0]:-}', not the installed program"

# RUN's environment: its own home, runtime folder, trash and volume, no variable of the caller's.
in_env() {
    local run=$work/$1
    shift
    "${as_user[@]}" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="$run/home" \
        XDG_DATA_HOME="$run/data" XDG_CONFIG_HOME="$run/home/.config" \
        XDG_CACHE_HOME="$run/home/.cache" XDG_RUNTIME_DIR="$run/runtime" \
        VELMORA_TRASH_VOLUMES="$run/volume" "$@"
}

# The home trash from make-trash: recent items (20 days at most, so a cut-off moved by a day at
# midnight changes nothing) and every hard case, 60 days old or more; the volume's trash by
# hand, with a relative Path= as a volume's has.
stamp=$(date +%s)
now=$(date -d "@$stamp" +%Y-%m-%dT%H:%M:%S)
volume_items=()
for item in "old report.txt:400" "old folder:90" "new notes.txt:2"; do
    volume_items+=("${item%:*}:$(date -d "@$((stamp - ${item#*:} * 86400))" +%Y-%m-%dT%H:%M:%S)")
done
for run in plain sandboxed; do
    mkdir -m 0700 "$work/$run" "$work/$run/runtime"
    mkdir -p "$work/$run/home" "$work/$run/data" "$work/$run/volume/.Trash-$uid/files" \
        "$work/$run/volume/.Trash-$uid/info"
    volume=$work/$run/volume/.Trash-$uid
    chmod 0700 "$volume"
    for item in "${volume_items[@]}"; do
        name=${item%%:*}
        if [ "$name" = "old folder" ]; then
            mkdir "$volume/files/$name"
            echo kept >"$volume/files/$name/read-only.txt"
            chmod 0444 "$volume/files/$name/read-only.txt"
            chmod 0555 "$volume/files/$name"
        else
            echo "$name" >"$volume/files/$name"
        fi
        printf '[Trash Info]\nPath=%s\nDeletionDate=%s\n' "${name// /%20}" "${item#*:}" \
            >"$volume/info/$name.trashinfo"
    done
    [ ${#as_user[@]} -eq 0 ] || chown -R "$uid:$gid" "$work/$run"
    "${as_user[@]}" env -i LANG=C.UTF-8 HOME="$work/$run/home" "$py" "$work/make-trash" \
        --root "$work/$run/data" --items 30 --days-span 20 --hard --seed 23 --now "$now" \
        --manifest "$work/$run/manifest.json" >/dev/null
done

# The same steps on both: the dry run's JSON, then the unit's own command, then what is left.
for run in plain sandboxed; do
    sandbox=()
    [ "$run" = plain ] ||
        sandbox=("$py" "$work/unit-sandbox.py" --report "$work/$run/report" "$unit")
    status=0
    in_env "$run" "${sandbox[@]}" "${exec_start[@]}" --dry-run --json \
        >"$work/$run/dry-run.json" 2>"$work/$run/dry-run.err" || status=$?
    [ "$status" -eq 0 ] || fail "$run dry run: exit $status: $(cat "$work/$run/dry-run.err")"
    status=0
    in_env "$run" "${sandbox[@]}" "${exec_start[@]}" >"$work/$run/purge.out" \
        2>"$work/$run/purge.err" || status=$?
    [ "$status" -eq 0 ] ||
        fail "$run purge: exit $status: $(cat "$work/$run/purge.out" "$work/$run/purge.err")"
    in_env "$run" "$py" "$work/make-trash" --verify --manifest "$work/$run/manifest.json" \
        --json --show-all >"$work/$run/verify.json" || fail "$run purge: the canary is damaged"
    (cd "$work/$run" && find data volume -printf '%p %y\n' 2>&1 | sort) >"$work/$run/left"
done
if [ -f "$work/sandboxed/report" ]; then
    echo "The unit's restrictions, applied by hand to the purge:"
    sed 's/^/  /' "$work/sandboxed/report"
else
    fail "the sandbox reported nothing"
fi

# Both runs alike once their folders' names are made the same, and the dry run's plan exactly
# what the purge removed: everything older than its cut-off, nothing else.
"$py" - "$work" <<'EOF' || fail "the restricted purge differs from the unrestricted one"
import json, os, sys
work = sys.argv[1]
def read(run, name):
    with open("%s/%s/%s" % (work, run, name), encoding="utf-8", errors="surrogateescape") as f:
        return f.read().replace("%s/%s/" % (work, run), "RUN/")
def shown(raw):
    """A name as the JSON writes it: each byte that is not UTF-8 as %XX, and % as %25."""
    text = raw.decode("utf-8", "surrogateescape")
    return "".join("%%%02X" % (ord(c) - 0xDC00) if 0xDC80 <= ord(c) <= 0xDCFF else
                   "%25" if c == "%" else c for c in text)
wrong = []
for name in ("dry-run.json", "purge.out", "purge.err", "verify.json", "left"):
    if read("plain", name) != read("sandboxed", name):
        wrong.append("%s differs:\n--- unrestricted\n%s--- restricted\n%s"
                     % (name, read("plain", name), read("sandboxed", name)))
plan = json.loads(read("sandboxed", "dry-run.json"))
home = "RUN/data/Trash"
planned = {i["stored_name"] for i in plan["items"] if i["trash"] == home}
trash = os.path.join(work, "sandboxed", "data", "Trash").encode()
gone = set()
with open(os.path.join(work, "sandboxed", "manifest.json"), encoding="utf-8") as f:
    for item in json.load(f)["items"]:
        raw = bytes.fromhex(item["trash_name_hex"]) if "trash_name_hex" in item \
            else item["trash_name"].encode()
        if not os.path.lexists(os.path.join(trash, b"info", raw + b".trashinfo")) and \
                not os.path.lexists(os.path.join(trash, b"files", raw)):
            gone.add(shown(raw))
counts = json.loads(read("sandboxed", "verify.json"))["counts"]
volume = sorted(i["stored_name"] for i in plan["items"] if i["trash"] != home)
cutoff = plan["rule"]["cutoff"]
if not planned:
    wrong.append("nothing planned in the home trash")
if planned != gone:
    wrong.append("planned but kept: %s; removed unplanned: %s"
                 % (sorted(planned - gone), sorted(gone - planned)))
if set(counts) - {"gone", "intact"}:
    wrong.append("partly removed: %s" % counts)
if volume != ["old folder", "old report.txt"]:
    wrong.append("planned on the volume: %s" % volume)
late = [i["stored_name"] for i in plan["items"] if i["deleted"] >= cutoff]
if late:
    wrong.append("planned though not older than %s: %s" % (cutoff, late))
left = [line.rsplit(" ", 1)[0] for line in read("sandboxed", "left").splitlines()]
for name, stays in (("old report.txt", False), ("old folder", False), ("new notes.txt", True)):
    if any(p.startswith("volume/") and p.endswith("/files/" + name) for p in left) != stays:
        wrong.append("the volume's %s %s" % (name, "was removed" if stays else "is still there"))
for problem in wrong:
    print(problem)
print("planned and removed alike: %d items of the home trash, %d of the volume's; %s"
      % (len(planned), len(volume), counts))
sys.exit(1 if wrong else 0)
EOF

# The sandbox was real: each restriction applied refuses what it forbids.
in_env sandboxed "$py" "$work/unit-sandbox.py" --report /dev/null --probe "$unit" \
    >"$work/probe" 2>&1 || fail "a restriction does not hold:"
sed 's/^/  /' "$work/probe"

[ "$failures" -eq 0 ] && echo "the purge runs under the unit's restrictions"
exit $((failures > 0))
