#!/usr/bin/env bash
# Start-up against a bare Qt baseline: exec to the first painted frame with the
# photo, and the peak resident size at that moment.
# Usage: bench/startup/run.sh <absolute build folder>   (STARTUP_RUNS=15 by default)
set -euo pipefail
build="$(cd "${1:?usage: run.sh <build folder>}" && pwd)"
here="$build/bench/startup"
ours="$here/program/bin/kaminor"
for exe in "$ours" "$here/startup-baseline" "$here/startup-runner"; do
    [ -x "$exe" ] || { echo "missing $exe: build $build first" >&2; exit 1; }
done

# A home of our own, with the preferences of a returning user: no first-run
# about window, no update check.
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config"
export QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Kaminor"
cat >"$XDG_CONFIG_HOME/Kaminor/Kaminor Prefs.txt" <<PREFS
Date Launch :@: $(date '+%Y-%m-%d %H:%M:%S')
Auto Check Update :@: False
Afficher HelpTag :@: True
Effets sonores :@: True
Encodage Windows :@: False
Lock Prefs :@: False
Fenetre Win :@: 20,60,894,680
PREFS

echo "start-up: $ours against $here/startup-baseline, runs alternated" >&2
"$here/startup-runner" "$ours" "$here/startup-baseline" "${STARTUP_RUNS:-15}" 2 "$tmp/children.log" || {
    status=$?
    tail -n 20 "$tmp/children.log" >&2 || true
    exit "$status"
}
