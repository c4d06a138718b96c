#!/usr/bin/env bash
# Sets up a Debian 12 machine and runs every test: the unit tests on the
# headless backend (also under ThreadSanitizer), bounded fuzz runs of the
# data-file readers and of user sessions on the forms, the three
# builds (native, win64, win32) with warnings as errors, and the end-to-end
# tests of the real program under Wine, once on the x86_64 build and once on
# the i686 release as its download unzips. Ends with one summary line.
set -uo pipefail
cd "$(dirname "$0")/.."
source scripts/kernel_runs_32bit.sh

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
results=()
failed=()
not_run=()
detail=""  # a step may say more in its summary line, such as how many tests ran

step() {
    local name=$1
    shift
    echo
    echo "=== $name"
    detail=""
    if "$@"; then
        results+=("$name ok${detail:+: $detail}")
    else
        results+=("$name FAILED${detail:+: $detail}")
        failed+=("$name")
    fi
}

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; }

unit_tests() { ctest --preset "$1"; }

fuzz() {
    source scripts/fuzz_common.sh
    seed_fuzz_corpus
    "$FUZZ_TARGET" -max_total_time="$FUZZ_SECONDS" "${FUZZ_LIMITS[@]}" "$FUZZ_CORPUS"
}

session_fuzz() {
    source scripts/fuzz_common.sh
    seed_session_corpus
    "$SESSION_TARGET" -max_total_time="$FUZZ_SECONDS" "${SESSION_LIMITS[@]}" "$SESSION_CORPUS"
}

# The Wine suites of the two builds run side by side, each on a display and a
# prefix of its own: they spend most of their time waiting for windows.
declare -A wine_pid
# Ctrl+C (or a TERM) stops them too: each run closes its display and Wine
# prefix on a TERM, and none is left running on its own.
stop_wine_tests() {
    local pid
    for pid in "${wine_pid[@]}"; do kill -TERM "$pid" 2>/dev/null; done
    wait
    echo "TESTS INTERRUPTED"
    exit 130
}
trap stop_wine_tests INT TERM
start_wine_tests() {
    local preset=$1
    shift
    python3 tests/e2e/run.py --build "build/$preset" --artifacts "build/e2e-artifacts/$preset" "$@" \
        >"build/e2e-$preset.log" 2>&1 &
    wine_pid[$preset]=$!
}

# Waits for one build's suite and shows its log; its last line (architecture
# and test count) goes into the summary.
wine_tests() {
    local preset=$1 log="build/e2e-$1.log"
    wait "${wine_pid[$preset]}"
    local status=$?
    cat "$log"
    detail=$(grep -E '^e2e' "$log" | tail -n 1)
    return "$status"
}

scripts/setup.sh || { echo "TESTS FAILED: setup"; exit 1; }

step "native build" build native
step "unit tests" unit_tests native
step "ThreadSanitizer build" build tsan
step "unit tests under ThreadSanitizer" unit_tests tsan
step "user guide quotes the program" python3 scripts/guide_screenshots.py --check
step "fuzz build" build fuzz
step "fuzz run of the data files (${FUZZ_SECONDS} s)" fuzz
step "fuzz run of user sessions (${FUZZ_SECONDS} s)" session_fuzz
step "win64 build" build win64
step "win32 build" build win32
step "release zips" scripts/release.sh
start_wine_tests win64
kernel_runs_32bit && start_wine_tests win32 --download
step "win64 end-to-end tests" wine_tests win64
if kernel_runs_32bit; then
    step "i686 end-to-end tests (the release zip, unzipped)" wine_tests win32
else
    # Never silent, never counted as passed.
    not_run+=("i686 end-to-end tests: not run: this kernel cannot run 32-bit programs")
    results+=("${not_run[-1]}")
fi

echo
printf '  %s\n' "${results[@]}"
if [ ${#failed[@]} -eq 0 ] && [ ${#not_run[@]} -eq 0 ]; then
    echo "TESTS PASSED: ${#results[@]} steps"
elif [ ${#failed[@]} -eq 0 ]; then
    # What could run passed; the summary does not call the whole run passed.
    echo "TESTS INCOMPLETE: $((${#results[@]} - ${#not_run[@]})) steps passed; ${not_run[*]}"
else
    echo "TESTS FAILED: ${failed[*]}"
    exit 1
fi
