#!/usr/bin/env bash
# Runs every benchmark against an optimised build and prints one table:
#   figure | ours | baseline | ratio | goal | holds
# Usage: bench/run.sh [build folder]   (default: build-bench)
# Each bench/<name>/run.sh prints its rows as lines "ROW|figure|ours|baseline|ratio|goal|holds";
# anything else it prints is shown as it comes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build-bench}" && pwd)"
rows="$(mktemp)"
trap 'rm -f "$rows"' EXIT

for bench in startup clicks resize photogen; do
    script="$here/$bench/run.sh"
    [ -x "$script" ] || continue
    echo "== $bench" >&2
    "$script" "$build" | while IFS= read -r line; do
        case "$line" in
            ROW\|*) echo "${line#ROW|}" >>"$rows" ;;
            *) echo "$line" >&2 ;;
        esac
    done
done

echo
echo "Kaminor benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, $(uname -m)"
{
    echo "figure|ours|baseline|ratio|goal|holds"
    cat "$rows"
} | column -t -s '|' -o ' | '
