#!/usr/bin/env bash
# Purpose: runs each libFuzzer target for FUZZ_SECONDS (default 60) on its corpus, seeded from the
# sample files and the session scripts; a crash stops with the reproducing input kept in the
# build folder's fuzz-findings/, and each target's last status line is printed.
set -uo pipefail
cd "$(dirname "$0")/.."
FUZZ_BUILD=${FUZZ_BUILD:-build-fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
FUZZ_PARALLEL=${FUZZ_PARALLEL:-1}
build=$(cd "$FUZZ_BUILD" && pwd)

# Seeds: the sample catalogue, every model file and every session script of the repository.
seed() {
    local target=$1 corpus=$build/corpus/$1
    mkdir -p "$corpus"
    case $target in
        FuzzCatalogue) cp examples/*.ini tests/catalogue/*.ini "$corpus"/ 2>/dev/null ;;
        FuzzModelFile) cp examples/*.json tests/sessions/*.json tests/*/*.json "$corpus"/ 2>/dev/null ;;
        FuzzSessionLines) cp tests/sessions/*.session "$corpus"/ 2>/dev/null ;;
        FuzzCityModels) cp tests/data/city/*.json tests/data/city/*.jsonl tests/data/city/*.gml "$corpus"/ 2>/dev/null ;;
        FuzzServeRequests) ;;  # seeded from fuzz/regressions/ below
    esac
    cp fuzz/regressions/"$target"/* "$corpus"/ 2>/dev/null
    return 0
}

status=0
pids=()
# FUZZ_TARGETS (names, space-separated) runs only those.
for exe in "$build"/Fuzz*; do
    [ -x "$exe" ] || continue
    name=$(basename "$exe")
    [ -n "${FUZZ_TARGETS:-}" ] && [[ " $FUZZ_TARGETS " != *" $name "* ]] && continue
    seed "$name"
    mkdir -p "$build/fuzz-findings/$name"
    dict=()
    [ -f "fuzz/$name.dict" ] && dict=(-dict="fuzz/$name.dict")
    run() {
        "$exe" "$build/corpus/$name" "${dict[@]}" -max_total_time="$FUZZ_SECONDS" -timeout=20 -rss_limit_mb=4096 \
            -max_len=16384 -artifact_prefix="$build/fuzz-findings/$name/" -print_final_stats=1 \
            > "$build/fuzz-$name.log" 2>&1
    }
    if [ "$FUZZ_PARALLEL" = 1 ]; then
        run & pids+=($!)
    else
        run || status=1
    fi
done
for p in "${pids[@]}"; do wait "$p" || status=1; done
for log in "$build"/fuzz-Fuzz*.log; do
    [ -n "${FUZZ_TARGETS:-}" ] && [[ " $FUZZ_TARGETS " != *" $(basename "$log" .log | sed 's/^fuzz-//') "* ]] && continue
    echo "== $(basename "$log" .log)"
    grep -E '^#[0-9]+.*(cov|DONE)' "$log" | tail -1
    grep -E 'stat::number_of_executed_units|ERROR:|SUMMARY' "$log" | head -3
done
exit $status
