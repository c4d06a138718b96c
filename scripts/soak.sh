#!/usr/bin/env bash
# A month of use in minutes, the long run: the Wine soak test
# (tests/e2e/test_soak.py) with SOAK_OPERATIONS operations of the real
# program (20,000 by default, about 25 minutes here), on one build:
#   scripts/soak.sh           the x86_64 build
#   scripts/soak.sh win32     the i686 release, where the kernel runs 32-bit programs
# Its figures go into docs/RELIABILITY.md, replacing the last run's. A
# failure leaves the document as it was. Not part of CI; scripts/test.sh
# runs the same test with a few thousand operations.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${1:-win64}
operations=${SOAK_OPERATIONS:-20000}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
commit=$(git rev-parse --short HEAD)$(git diff --quiet HEAD -- src tests || echo "+changes")
artifacts=build/soak-artifacts/$preset
start=$(date +%s)
if ! NOCTARIS_SOAK_OPERATIONS=$operations python3 tests/e2e/run.py --build "build/$preset" --artifacts "$artifacts" \
    -k test_a_month_of_use --timeout $((operations / 4 + 900)); then
    echo "soak FAILED (logs in $artifacts/logs); docs/RELIABILITY.md is unchanged"
    exit 1
fi
seconds=$(($(date +%s) - start))

python3 - "$seconds" "$commit" "$preset" "$artifacts"/logs/*-soak.log <<'PY'
import datetime, json, pathlib, sys

seconds, commit, preset, log = sys.argv[1:]
seconds = int(seconds)
rounds = [json.loads(line) for line in pathlib.Path(log).read_text().splitlines()]
warm, last = rounds[0], rounds[-1]
build = {"win64": "x86_64", "win32": "i686 release"}.get(preset, preset)


def mb(n):
    return f"{n / 2**20:.1f} MB"


def system(key):
    return "not kept (0)" if warm[key] is None else f"{warm[key]} → {last[key]}"


handles = ", ".join(f"{kind.replace('_', ' ')} {warm['handles'][kind]} → {count}"
                    for kind, count in last["handles"].items())
done = ", ".join(f"{name} {count:,}" for name, count in sorted(last["done"].items(), key=lambda d: -d[1]))
section = f"""## A month of use: the latest long run

Written by `scripts/soak.sh {preset}` on {datetime.date.today()} at commit `{commit}`;
a new run replaces this section. Figures after the warm-up round → after the last.

| What | Figure |
|---|---|
| Build | {build} under Wine |
| Operations | {last["operations"]:,} in {len(rounds)} rounds, no failure |
| Time | {seconds // 60} min {seconds % 60} s (the soak itself {last["ms"] / 60000:.1f} min) |
| Working set | {mb(warm["working_set"])} → {mb(last["working_set"])} (through the run: {", ".join(mb(r["working_set"]) for r in rounds[::max(1, len(rounds) // 10)])}) |
| Windows | {warm["windows"]} → {last["windows"]} |
| Handles the owners hold | {handles} |
| GetGuiResources GDI, USER | {system("gdi_objects")}, {system("user_objects")} |

Operations: {done}.
"""

doc = pathlib.Path("docs/RELIABILITY.md")
old = doc.read_text()
begin, end = "<!-- soak.sh: begin -->\n", "<!-- soak.sh: end -->\n"
if begin in old and end in old:
    doc.write_text(old[: old.index(begin)] + begin + section + old[old.index(end):])
else:
    doc.write_text(old.rstrip("\n") + "\n\n" + begin + section + end)
print(section)
PY
