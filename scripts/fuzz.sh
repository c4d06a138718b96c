#!/usr/bin/env bash
# A long run of the data-file fuzz target: FUZZ_RUNS inputs (10 million by
# default, about an hour on this machine) on the corpus the CI step also
# grows. Writes its figures into the fuzzing section of docs/PERFORMANCE.md,
# in place of the last run's. Stops at the first crash, leaving the input in
# build/fuzz/ and the document as it was. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/fuzz_common.sh
runs=${FUZZ_RUNS:-10000000}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
seed_fuzz_corpus

log=build/fuzz/long-run.log
echo "fuzzing $runs inputs, log in $log"
start=$(date +%s)
if ! "$FUZZ_TARGET" -runs="$runs" -print_final_stats=1 "${FUZZ_LIMITS[@]}" "$FUZZ_CORPUS" 2>"$log"; then
    tail -n 30 "$log"
    echo "fuzz run FAILED (log: $log, a crashing input is kept in build/fuzz/); docs/PERFORMANCE.md is unchanged"
    exit 1
fi
seconds=$(($(date +%s) - start))

python3 - "$log" "$seconds" "$FUZZ_CORPUS" "$(git rev-parse --short HEAD)" "${FUZZ_LIMITS[*]}" <<'PY'
import datetime, pathlib, re, sys

log, seconds, corpus, commit, limits = sys.argv[1], int(sys.argv[2]), pathlib.Path(sys.argv[3]), sys.argv[4], sys.argv[5]
text = pathlib.Path(log).read_text(errors="replace")
stat = dict(re.findall(r"^stat::(\w+):\s*(\d+)", text, re.M))
done = re.findall(r"^#\d+\s+DONE\s+cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)", text, re.M)[-1]
files = [f for f in corpus.iterdir() if f.is_file()]
corpus_kib = sum(f.stat().st_size for f in files) / 1024

section = f"""## Fuzzing: the latest long run

Written by `scripts/fuzz.sh` on {datetime.date.today()} at commit `{commit}`;
a new run replaces this section.

| What | Figure |
|---|---|
| Executions | {int(stat["number_of_executed_units"]):,}, no crash |
| Time | {seconds // 60} min {seconds % 60} s |
| Speed | {int(stat["average_exec_per_sec"]):,} exec/s on average |
| Corpus | {done[2]} inputs, {done[3]} in the fuzzer's memory ({len(files)} files, {corpus_kib:.0f} KiB in `{corpus}`) |
| Peak RSS | {stat["peak_rss_mb"]} MB |
| Coverage | {done[0]} edges, {done[1]} features |

Limits: `{limits}`.
"""

doc = pathlib.Path("docs/PERFORMANCE.md")
old = doc.read_text()
begin, end = "<!-- fuzz.sh: begin -->\n", "<!-- fuzz.sh: end -->\n"
if begin in old and end in old:
    doc.write_text(old[: old.index(begin)] + begin + section + old[old.index(end) :])
else:
    doc.write_text(old.rstrip("\n") + "\n\n" + begin + section + end)
print(section)
PY
