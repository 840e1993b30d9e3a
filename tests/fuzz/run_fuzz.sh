#!/usr/bin/env bash
# Runs one fuzz target for a set time over a working copy of its seed corpus.
#   run_fuzz.sh TARGET SEEDS WORKDIR SECONDS [fresh]
# WORKDIR/corpus keeps what the run finds (started anew with "fresh"); a
# crashing input is written to WORKDIR as crash-* and the run fails.
set -euo pipefail
target=$1 seeds=$2 work=$3 seconds=$4 mode=${5:-keep}

[ "$mode" = fresh ] && rm -rf "$work"
mkdir -p "$work/corpus"
cp -n "$seeds"/* "$work/corpus/" 2>/dev/null || true

# The targets open no window and keep no cache: leaks are reported too.
export ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-}:print_stacktrace=1:halt_on_error=1"
status=0
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/corpus" >"$work/log.txt" 2>&1 || status=$?

name=$(basename "$target")
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log.txt" | tail -n 1)
inputs=$(find "$work/corpus" -type f | wc -l)
echo "$name: ${runs:-?} executions in ${seconds} s, corpus of $inputs inputs, exit status $status"
if [ "$status" -ne 0 ]; then
    tail -n 60 "$work/log.txt"
    exit "$status"
fi
