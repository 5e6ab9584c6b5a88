#!/usr/bin/env bash
# Runs the fuzz targets that the preset "fuzz" built, one after the other.
#   fuzz/run.sh corpus          each target over its committed corpus and 5000 mutations of it,
#                               with a fixed seed: the quick check that make test runs
#   fuzz/run.sh fuzz SECONDS    each target for SECONDS; inputs that reach new code are kept in
#                               build/fuzz/found/<target>, so later runs go on from there
# Inputs that break an invariant or upset a sanitizer land in build/fuzz/findings/. Prints one
# line per target and fails when any target found something.
set -euo pipefail
export LC_ALL=C

mode=${1:?usage: fuzz/run.sh corpus | fuzz SECONDS}
seconds=${2:-60}
cd "$(dirname "$0")/.."

targets=(strict_int command_line target_time settings_file mince countdown_record)
bin=build/fuzz/fuzz
findings=build/fuzz/findings
logs=build/fuzz/logs
mkdir -p "$findings" "$logs"

# A figure from libFuzzer's final statistics; empty when the run ended before them.
stat() { sed -n "s/^stat::$1: *//p" "$2" | tail -1; }

failed=0
for target in "${targets[@]}"; do
    fuzzer=$bin/${target}_fuzzer
    corpus=fuzz/corpus/$target
    log=$logs/$target.log
    if [[ $mode == corpus ]]; then
        # libFuzzer writes new inputs into the first folder: a scratch one, so the committed
        # corpus stays as it is.
        found=build/fuzz/scratch/$target
        rm -rf "$found"
        options=(-runs=5000 -seed=1)
    else
        found=build/fuzz/found/$target
        options=(-max_total_time="$seconds" -use_value_profile=1)
    fi
    mkdir -p "$found"
    start=$EPOCHREALTIME
    status=0
    "$fuzzer" "${options[@]}" -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        "$found" "$corpus" >"$log" 2>&1 || status=$?
    elapsed=$(awk -v from="$start" -v to="$EPOCHREALTIME" 'BEGIN { print to - from }')
    runs=$(stat number_of_executed_units "$log")
    speed=$(awk -v runs="${runs:-0}" -v time="$elapsed" 'BEGIN { printf "%d", runs / time }')
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2 || true)
    committed=$(find "$corpus" -type f | wc -l)
    kept=$(find "$found" -type f | wc -l)
    printf 'fuzz: %-13s %10s runs in %5.1f s (%s/s), corpus %s + %s new, coverage %s edges' \
        "$target" "${runs:-?}" "$elapsed" "$speed" "$committed" "$kept" "${coverage:-?}"
    if ((status != 0)); then
        failed=1
        printf ', FOUND A FAULT (exit %d):\n' "$status"
        grep -E 'invariant broken|ERROR: |SUMMARY|Test unit written' "$log" | sed 's/^/    /'
    else
        printf ', no findings\n'
    fi
done
exit $failed
