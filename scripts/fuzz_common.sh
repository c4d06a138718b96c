# The fuzz targets, their corpora and their limits: sourced by the CI steps
# (scripts/test.sh) and by the long runs (scripts/fuzz.sh).
FUZZ_TARGET=build/fuzz/tests/fuzz/data_files_fuzz
FUZZ_CORPUS=build/fuzz/corpus
# 1 KiB holds every fixture, more than the 200 fields of a shortcut table and
# fields long enough to take the converter several passes; the readers work
# field by field, so longer inputs reach nothing new, only run slower (a
# damaged field is decoded a character at a time). The target stays under
# 100 MB resident and allocates a few kilobytes per input, so more than 512 MB
# in all or 64 MB in one allocation is a fault to report.
FUZZ_LIMITS=(-max_len=1024 -timeout=10 -rss_limit_mb=512 -malloc_limit_mb=64 -artifact_prefix=build/fuzz/)

# Seeds the corpus with every fixture, named by its folder: the folders hold
# files of the same names.
seed_fuzz_corpus() {
    mkdir -p "$FUZZ_CORPUS"
    local file seed
    for file in tests/fixtures/*/*.qdf; do
        seed="$FUZZ_CORPUS/$(basename "$(dirname "$file")")-$(basename "$file")"
        [ -e "$seed" ] || cp "$file" "$seed"
    done
}

# The user-session target: each input is a session on the real forms. 512
# bytes make about a hundred events, as many as a session runs; a session
# stays under a few megabytes, and a second is far beyond any of them.
SESSION_TARGET=build/fuzz/tests/fuzz/session_fuzz
SESSION_CORPUS=build/fuzz/session-corpus
SESSION_LIMITS=(-max_len=512 -timeout=10 -rss_limit_mb=1024 -malloc_limit_mb=64 -artifact_prefix=build/fuzz/session-)

# Seeds the session corpus with the unit tests' scenarios.
seed_session_corpus() {
    mkdir -p "$SESSION_CORPUS"
    build/fuzz/tests/fuzz/session_seeds "$SESSION_CORPUS"
}
