#!/usr/bin/env bash
# A long run of a fuzz target on the corpus its CI step also grows:
#   scripts/fuzz.sh              the data-file readers, FUZZ_RUNS inputs (10
#                                million by default, about an hour here);
#                                figures into docs/PERFORMANCE.md
#   scripts/fuzz.sh sessions     user sessions on the forms, FUZZ_RUNS
#                                sessions (1 million by default); figures
#                                into docs/RELIABILITY.md
# The figures replace the last run's. Stops at the first failure, leaving the
# input in build/fuzz/ and the document as it was. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/fuzz_common.sh

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
if [ "${1:-}" = sessions ]; then
    runs=${FUZZ_RUNS:-1000000} target=$SESSION_TARGET corpus=$SESSION_CORPUS limits=("${SESSION_LIMITS[@]}")
    doc=docs/RELIABILITY.md what=sessions heading="User sessions: the latest long run"
    seed_session_corpus
else
    runs=${FUZZ_RUNS:-10000000} target=$FUZZ_TARGET corpus=$FUZZ_CORPUS limits=("${FUZZ_LIMITS[@]}")
    doc=docs/PERFORMANCE.md what=inputs heading="Fuzzing: the latest long run"
    seed_fuzz_corpus
fi

commit=$(git rev-parse --short HEAD)$(git diff --quiet HEAD -- src tests || echo "+changes")
log=build/fuzz/long-run-$what.log
echo "fuzzing $runs $what, log in $log"
start=$(date +%s)
if ! "$target" -runs="$runs" -print_final_stats=1 "${limits[@]}" "$corpus" 2>"$log"; then
    tail -n 30 "$log"
    echo "fuzz run FAILED (log: $log, a failing input is kept in build/fuzz/); $doc is unchanged"
    exit 1
fi
seconds=$(($(date +%s) - start))

python3 - "$log" "$seconds" "$corpus" "$commit" "${limits[*]}" "$doc" "$heading" "${1:-data-files}" <<'PY'
import datetime, pathlib, re, sys

log, seconds, corpus, commit, limits, doc_path, heading, kind = sys.argv[1:9]
seconds, corpus = int(seconds), pathlib.Path(corpus)
text = pathlib.Path(log).read_text(errors="replace")
stat = dict(re.findall(r"^stat::(\w+):\s*(\d+)", text, re.M))
done = re.findall(r"^#\d+\s+DONE\s+cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)", text, re.M)[-1]
files = [f for f in corpus.iterdir() if f.is_file()]
corpus_kib = sum(f.stat().st_size for f in files) / 1024

command = "scripts/fuzz.sh" + (" sessions" if kind == "sessions" else "")
section = f"""## {heading}

Written by `{command}` on {datetime.date.today()} at commit `{commit}`;
a new run replaces this section.

| What | Figure |
|---|---|
| Executions | {int(stat["number_of_executed_units"]):,}, no failure |
| Time | {seconds // 60} min {seconds % 60} s |
| Speed | {int(stat["average_exec_per_sec"]):,} exec/s on average |
| Corpus | {done[2]} inputs, {done[3]} in the fuzzer's memory ({len(files)} files, {corpus_kib:.0f} KiB in `{corpus}`) |
| Peak RSS | {stat["peak_rss_mb"]} MB |
| Coverage | {done[0]} edges, {done[1]} features |

Limits: `{limits}`.
"""

doc = pathlib.Path(doc_path)
old = doc.read_text()
marker = "fuzz.sh" + (" sessions" if kind == "sessions" else "")
begin, end = f"<!-- {marker}: begin -->\n", f"<!-- {marker}: end -->\n"
if begin in old and end in old:
    doc.write_text(old[: old.index(begin)] + begin + section + old[old.index(end) :])
else:
    doc.write_text(old.rstrip("\n") + "\n\n" + begin + section + end)
print(section)
PY
