#!/usr/bin/env bash
# Runs one fuzz target of tests/fuzz for SECONDS seconds on one core:
#   scripts/fuzz.sh TARGET SECONDS [libFuzzer options...]
# Builds the targets with clang 14, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/ (or $VELMORA_FUZZ_BUILD_DIR). It starts from the committed seeds in
# tests/fuzz/corpus/TARGET and the inputs earlier runs found (build-fuzz/corpus/TARGET, where new
# ones go). An input that crashes or breaks an assertion is saved as build-fuzz/findings/TARGET-*
# and the script fails; add it to tests/fuzz/corpus/TARGET as finding-NAME and to the matching
# unit test's table. Targets: fuzz_trash_info fuzz_directory_sizes fuzz_date_text
# fuzz_number_texts fuzz_file_names fuzz_command_line.
set -euo pipefail
if [ $# -lt 2 ]; then
    sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VELMORA_FUZZ_BUILD_DIR:-$here/build-fuzz}
seeds=$here/tests/fuzz/corpus/$target
[ -d "$seeds" ] || { echo "fuzz.sh: no target $target (no $seeds)" >&2; exit 2; }

"$here/scripts/install-deps.sh" sanitize
if [ ! -f "$build/build.ninja" ]; then
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$build" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON \
        -DVELMORA_SANITIZE=address,undefined -DVELMORA_FUZZ=ON \
        -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
fi
cmake --build "$build" --target "$target"

mkdir -p "$build/corpus/$target" "$build/findings"
# Inputs up to 64 KiB; a run over 2 s (a hang, under the sanitizers' slowdown) or an allocation
# over 64 MiB counts as a finding.
exec "$build/tests/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -timeout=2 \
    -malloc_limit_mb=64 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target-" "$@" "$build/corpus/$target" "$seeds"
