#!/usr/bin/env bash
# Live resize benchmark. Usage: bench/resize/run.sh <absolute build folder> [rounds]
set -euo pipefail
build="$1"
exe="$build/bench/resize/bench_resize"
[ -x "$exe" ] || { echo "resize: $exe is not built" >&2; exit 1; }
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
HOME="$home" XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen \
    "$exe" "$build/share/kaminor" ${2:+"$2"}
