#!/usr/bin/env bash
# Photo generation benchmark: the whole photo set drawn by tools/photogen into a
# temporary folder, on one thread and on every core, alternately.
# Usage: bench/photogen/run.sh <absolute build folder> [pairs of runs, default 3]
set -euo pipefail
build="$1"
pairs="${2:-3}"
exe="$build/tools/photogen/photogen"
[ -x "$exe" ] || { echo "photogen: $exe is not built" >&2; exit 1; }
cores="$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config"
mkdir -p "$HOME"

# Draws the set anew into an empty folder; prints "wall user+sys" in seconds.
run() {
    rm -rf "$work/share"
    local TIMEFORMAT='%3R %3U %3S'
    local t
    if ! t="$( { time "$exe" --threads "$1" "$work/share" >/dev/null 2>"$work/errors"; } 2>&1 )"; then
        cat "$work/errors" >&2
        return 1
    fi
    echo "$t" | awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }'
}

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "warm-up run on $cores threads (not counted)" >&2
run "$cores" >/dev/null
one=() many=() oneCpu=() manyCpu=()
for ((i = 1; i <= pairs; i++)); do
    # Alternate which goes first, so that a change of load hits both alike.
    for n in $( ((i % 2)) && echo "1 $cores" || echo "$cores 1" ); do
        times="$(run "$n")" || { echo "photogen: the run on $n thread(s) failed" >&2; exit 1; }
        read -r wall cpu <<<"$times"
        echo "run $i, $n thread(s): ${wall} s wall, ${cpu} s CPU" >&2
        if [ "$n" = 1 ]; then one+=("$wall"); oneCpu+=("$cpu"); else many+=("$wall"); manyCpu+=("$cpu"); fi
    done
done
[ "$cores" = 1 ] && many=("${one[@]}") && manyCpu=("${oneCpu[@]}")

t1="$(printf '%s\n' "${one[@]}" | median)"
tn="$(printf '%s\n' "${many[@]}" | median)"
c1="$(printf '%s\n' "${oneCpu[@]}" | median)"
cn="$(printf '%s\n' "${manyCpu[@]}" | median)"
count="$(find "$work/share/StovesDoss" -name '*.jpg' | wc -l)"
bytes="$(find "$work/share/StovesDoss" -name '*.jpg' -printf '%s\n' | awk '{ s += $1 } END { print s + 0 }')"
[ "$count" -gt 0 ] || { echo "photogen: no photo was drawn" >&2; exit 1; }

# The goal: a speed-up of at least 0.8 per core (1.6x on two cores).
awk -v t1="$t1" -v tn="$tn" -v c1="$c1" -v cn="$cn" -v cores="$cores" -v count="$count" -v bytes="$bytes" 'BEGIN {
    ratio = tn / t1
    if (cores > 1) {
        want = 0.8 * cores
        goal = sprintf("<= %.2fx (speed-up >= %.1fx)", 1 / want, want)
        holds = (t1 / tn >= want) ? "yes" : "no"
    } else {
        goal = "-"; holds = "-"
    }
    printf "ROW|photo set wall time, %d threads vs 1 (speed-up %.2fx)|%.2f s|%.2f s|%.2fx|%s|%s\n", cores, t1 / tn, tn, t1, ratio, goal, holds
    printf "ROW|time per photo, 1 thread|%.1f ms|-|-|-|-\n", t1 * 1000 / count
    printf "ROW|time per photo, %d threads (wall)|%.1f ms|-|-|-|-\n", cores, tn * 1000 / count
    printf "ROW|CPU time per photo, %d threads vs 1|%.1f ms|%.1f ms|%.2fx|-|-\n", cores, cn * 1000 / count, c1 * 1000 / count, cn / c1
    printf "ROW|photo set size|%.1f MB|-|-|-|-\n", bytes / 1048576
    printf "ROW|photo count|%d|-|-|-|-\n", count
}'
