#!/usr/bin/env bash
# The stages of CI, each timed:
#   tests   the README's test command (./scripts/test.sh)
#   asan    the whole suite built with AddressSanitizer (LeakSanitizer included) and
#           UndefinedBehaviorSanitizer, in build-asan/
#   tsan    the suites that start threads built with ThreadSanitizer, in build-tsan/: the
#           parallel removal and its cancel, the parallel runner and sort, the volume reads with
#           their deadline, the instance guard, the command-line purge beside the window. Built
#           with gcc 12: clang 14's ThreadSanitizer stops on an internal check in every QProcess
#           start (it intercepts clone, which Qt 6 calls vfork-style), and the tests start
#           processes throughout.
#   fuzz    every fuzz target of tests/fuzz for $VELMORA_FUZZ_SECONDS (60) seconds from its corpus
#   format  the whole tree against .clang-format with clang-format 14
#   windows the Windows build cross-built with MinGW-w64 and its tests under Wine
#           (./scripts/test-windows.sh), in build-windows/
# scripts/ci-stages.sh runs them all (and fails when one failed); scripts/ci-stages.sh asan fuzz
# runs those named. The sanitizer builds leave out the tests labelled install (ctest -LE install),
# which test what is shipped rather than how the code behaves.
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cd "$here"
stages=("$@")
[ ${#stages[@]} -eq 0 ] && stages=(tests asan tsan fuzz format windows)
fuzz_targets=(fuzz_trash_info fuzz_directory_sizes fuzz_date_text fuzz_number_texts
              fuzz_file_names fuzz_command_line)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The test executables whose tests start threads (or start the program, which does), the window's
# among them: its removal worker, the instance guard, the window and the command line purging at
# once. tests/sanitizers/tsan.supp says what of Qt's own is ignored, and why.
thread_tests=(core_test parallel_test item_removal_test trash_source_test volumes_test
              trash_handles_test command_line_test purge_command_test main_window_test
              instance_test)

# sanitized_suite DIR SANITIZERS COMPILER [TARGET...]: configures with COMPILER (clang or gcc),
# builds (the targets given, or everything) and runs ctest in DIR. The tests of executables not
# built are not listed, so ctest runs those built.
sanitized_suite() {
    local dir=$1 sanitizers=$2 cc=clang-14 cxx=clang++-14
    [ "$3" = gcc ] && cc=gcc-12 cxx=g++-12
    shift 3
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    CC=$cc CXX=$cxx cmake -S "$here" -B "$here/$dir" -G Ninja \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_WERROR=ON -DVELMORA_SANITIZE="$sanitizers" \
        -DVELMORA_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null &&
        cmake --build "$here/$dir" "${targets[@]}" &&
        ctest --test-dir "$here/$dir" -LE install -E '_NOT_BUILT$' --output-on-failure \
            --timeout 900 -j"$(nproc)"
}

stage_tests() { ./scripts/test.sh; }
stage_asan() { ./scripts/install-deps.sh sanitize && sanitized_suite build-asan address,undefined clang; }
stage_tsan() {
    ./scripts/install-deps.sh sanitize && sanitized_suite build-tsan thread gcc "${thread_tests[@]}"
}
stage_fuzz() {
    local target status=0 log build=${VELMORA_FUZZ_BUILD_DIR:-$here/build-fuzz}
    log=$(mktemp)
    for target in "${fuzz_targets[@]}"; do
        if ./scripts/fuzz.sh "$target" "${VELMORA_FUZZ_SECONDS:-60}" >"$log" 2>&1; then
            echo "$target: $(sed -n 's/^stat::number_of_executed_units: //p' "$log") runs," \
                "$(sed -n 's/^stat::average_exec_per_sec: //p' "$log")/s," \
                "corpus $(find "$build/corpus/$target" -type f | wc -l) found +" \
                "$(find "$here/tests/fuzz/corpus/$target" -type f | wc -l) committed"
        else
            tail -n 80 "$log"
            echo "$target: FAILED"
            status=1
        fi
    done
    rm -f "$log"
    return $status
}
stage_windows() { ./scripts/test-windows.sh; }
stage_format() {
    ./scripts/install-deps.sh sanitize &&
        git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run -Werror &&
        echo "format: every file of the tree is formatted"
}

summary=()
failed=0
for stage in "${stages[@]}"; do
    echo "=== stage $stage"
    start=$(date +%s)
    if "stage_$stage"; then result=passed; else result=FAILED; failed=1; fi
    line="stage $stage: $result in $(($(date +%s) - start)) s"
    echo "=== $line"
    summary+=("$line")
done
echo "=== stage times"
printf '%s\n' "${summary[@]}"
exit $failed
