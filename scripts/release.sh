#!/usr/bin/env bash
# Builds the two downloads from this checkout: Noctaris-<version>-win32.zip
# (the release) and -win64.zip, each the ready-to-run folder of a first
# installation (Noctaris.exe, Data/, the user guide and the licence).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in win32 win64; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target package
done
ls -l build/win32/Noctaris-*-win32.zip build/win64/Noctaris-*-win64.zip
