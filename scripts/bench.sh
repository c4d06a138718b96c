#!/usr/bin/env bash
# Builds what the benchmarks need and runs them: the data files natively,
# start-up, memory and group switching under Wine, for the i686 release and
# the x86_64 build. Record the figures in
# docs/PERFORMANCE.md.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build/native-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/native-release --target noctaris-bench-data-files >/dev/null
for preset in win64 win32; do cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset" >/dev/null; done
echo "== data files (native, Release)"
build/native-release/tools/noctaris-bench-data-files tests/fixtures/sample
source scripts/kernel_runs_32bit.sh
if kernel_runs_32bit; then
    echo "== under Wine: the i686 release, then the x86_64 build"
    python3 scripts/bench.py --build build/win64 --release build/win32
else
    echo "== I686 RELEASE NOT MEASURED: this kernel cannot run 32-bit programs; the x86_64 build only"
    python3 scripts/bench.py --build build/win64 --release ""
fi
