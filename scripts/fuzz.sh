#!/usr/bin/env bash
# A long run of a fuzz target on the corpus its CI step also grows:
#   scripts/fuzz.sh              the data-file readers, FUZZ_RUNS inputs (10
#                                million by default, about an hour here);
#                                figures into docs/PERFORMANCE.md
#   scripts/fuzz.sh sessions     user sessions on the forms, FUZZ_RUNS
#                                sessions (1 million by default); figures
#                                into docs/RELIABILITY.md
# FUZZ_JOBS fuzzers (one per core by default) share the runs and the corpus.
# The figures replace the last run's. A failure leaves the input in
# build/fuzz/ and the document as it was. Not part of CI.
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
# One fuzzer per core, each with its share of the runs, on the one corpus.
jobs=${FUZZ_JOBS:-$(nproc)}
logs=()
echo "fuzzing $runs $what in $jobs jobs, logs in build/fuzz/long-run-$what-*.log"
start=$(date +%s)
pids=()
for ((job = 1; job <= jobs; job++)); do
    log=build/fuzz/long-run-$what-$job.log
    logs+=("$log")
    share=$((runs / jobs + (job <= runs % jobs ? 1 : 0)))
    "$target" -runs="$share" -seed="$job" -print_final_stats=1 "${limits[@]}" "$corpus" 2>"$log" &
    pids+=($!)
done
failed=0
for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
if [ "$failed" -ne 0 ]; then
    for log in "${logs[@]}"; do grep -q "^stat::number_of_executed_units" "$log" || tail -n 30 "$log"; done
    echo "fuzz run FAILED (logs: ${logs[*]}, a failing input is kept in build/fuzz/); $doc is unchanged"
    exit 1
fi
seconds=$(($(date +%s) - start))

python3 - "$seconds" "$corpus" "$commit" "${limits[*]}" "$doc" "$heading" "${1:-data-files}" "${logs[@]}" <<'PY'
import datetime, pathlib, re, sys

seconds, corpus, commit, limits, doc_path, heading, kind, *logs = sys.argv[1:]
seconds, corpus = int(seconds), pathlib.Path(corpus)
texts = [pathlib.Path(log).read_text(errors="replace") for log in logs]
stats = [dict(re.findall(r"^stat::(\w+):\s*(\d+)", text, re.M)) for text in texts]
stat = {"number_of_executed_units": sum(int(s["number_of_executed_units"]) for s in stats),
        "average_exec_per_sec": sum(int(s["average_exec_per_sec"]) for s in stats),
        "peak_rss_mb": max(int(s["peak_rss_mb"]) for s in stats)}
done = max((re.findall(r"^#\d+\s+DONE\s+cov: (\d+) ft: (\d+) corp: (\d+)/(\S+)", text, re.M)[-1] for text in texts),
           key=lambda d: int(d[1]))
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
| Speed | {int(stat["average_exec_per_sec"]):,} exec/s on average, {len(logs)} jobs together |
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
