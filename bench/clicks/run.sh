#!/usr/bin/env bash
# Click to photo, and memory after 200 and 2000 clicks: the main window against
# a bare widget that decodes and draws the same photos.
# Usage: bench/clicks/run.sh <build folder>
# Prints the table rows "ROW|figure|ours|baseline|ratio|goal|holds"; progress goes to stderr.
set -euo pipefail
build="$(cd "${1:?usage: run.sh <build folder>}" && pwd)"
exe="$build/bench/clicks/kaminor_bench_clicks"
share="$build/share/kaminor"
[ -x "$exe" ] || { echo "no $exe: build the benchmarks first" >&2; exit 1; }

# A home of its own: nothing is read from or written to the real one.
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home/.config" XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen LANG=fr_FR.UTF-8 LC_ALL=

# Timing: both sides in one process, alternating blocks of 20 clicks.
# A side that fails shows as a failed row; the other figures are still taken.
if "$exe" --share "$share" --time --clicks 200 --block 20 --warmup 20 >"$tmp/time.out"; then
    grep '^ROW|' "$tmp/time.out"
else
    echo "ROW|click to photo, median|failed|-|-|<= 1.3x|no"
    echo "ROW|click to photo, p95|failed|-|-|< 16 ms|no"
fi

# Memory: each side in a process of its own, so that their peaks do not mix.
for side in ours bare; do
    echo "memory, $side: 2000 clicks" >&2
    if ! "$exe" --share "$share" --memory "$side" --clicks 2000 --mark 200 >"$tmp/$side.mem"; then
        echo "ROW|peak RSS after 2000 clicks|failed ($side)|-|-|<= 1.3x|no"
        echo "ROW|RSS growth, 200 to 2000 clicks|failed ($side)|-|-|<= +1 MB|no"
        exit 0
    fi
    sed "s/^/  $side /" "$tmp/$side.mem" >&2
done

# MEM|<when>|<VmHWM kB>|<VmRSS kB>|<heap in use kB>, when = start-up, mark (200 clicks), end (2000 clicks).
value() { awk -F'|' -v w="$2" -v c="$3" '$1 == "MEM" && $2 == w { print $c }' "$tmp/$1.mem"; }
oursPeak=$(value ours end 3) barePeak=$(value bare end 3)
oursGrowth=$(( $(value ours end 4) - $(value ours mark 4) ))
bareGrowth=$(( $(value bare end 4) - $(value bare mark 4) ))
echo "heap in use, 200 to 2000 clicks: ours $(( $(value ours end 5) - $(value ours mark 5) )) kB," \
     "bare $(( $(value bare end 5) - $(value bare mark 5) )) kB" >&2
# Allocator noise: up to 1 MB of resident memory may come and go between the two points.
tolerance=1024
awk -v o="$oursPeak" -v b="$barePeak" -v og="$oursGrowth" -v bg="$bareGrowth" -v t="$tolerance" 'BEGIN {
    r = o / b
    printf "ROW|peak RSS after 2000 clicks|%.1f MB|%.1f MB|%.2fx|<= 1.3x|%s\n", o / 1024, b / 1024, r, (r <= 1.3 ? "yes" : "no")
    printf "ROW|RSS growth, 200 to 2000 clicks|%+.2f MB|%+.2f MB|-|<= +1 MB|%s\n", og / 1024, bg / 1024, (og <= t ? "yes" : "no")
}'
