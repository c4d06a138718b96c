#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds the x86_64 program with its
# ready-to-run folder and runs it under wine64 with the Japanese locale.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64
exec python3 scripts/run_under_wine.py build/win64/Noctaris
