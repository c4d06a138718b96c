#!/usr/bin/env bash
# Sets up a Debian 12 machine and runs every test: the unit tests on the
# headless backend, a bounded fuzz run of the data-file readers, the three
# builds (native, win64, win32) with warnings as errors, and the end-to-end
# tests of the real program under wine64. Ends with one summary line.
set -uo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-60}
results=()
failed=()

step() {
    local name=$1
    shift
    echo
    echo "=== $name"
    if "$@"; then
        results+=("$name ok")
    else
        results+=("$name FAILED")
        failed+=("$name")
    fi
}

build() { cmake --preset "$1" >/dev/null && cmake --build --preset "$1"; }

unit_tests() { ctest --preset native; }

fuzz() {
    source scripts/fuzz_common.sh
    seed_fuzz_corpus
    "$FUZZ_TARGET" -max_total_time="$FUZZ_SECONDS" "${FUZZ_LIMITS[@]}" "$FUZZ_CORPUS"
}

wine_tests() { python3 tests/e2e/run.py --build build/win64 --artifacts build/e2e-artifacts; }

scripts/setup.sh || { echo "TESTS FAILED: setup"; exit 1; }

step "native build" build native
step "unit tests" unit_tests
step "user guide quotes the program" python3 scripts/guide_screenshots.py --check
step "fuzz build" build fuzz
step "fuzz run (${FUZZ_SECONDS} s)" fuzz
step "win64 build" build win64
step "win32 build" build win32
step "release zips" scripts/release.sh
step "wine end-to-end tests" wine_tests

echo
printf '  %s\n' "${results[@]}"
if [ ${#failed[@]} -eq 0 ]; then
    echo "TESTS PASSED: ${#results[@]} steps"
else
    echo "TESTS FAILED: ${failed[*]}"
    exit 1
fi
