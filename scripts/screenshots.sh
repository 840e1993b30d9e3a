#!/usr/bin/env bash
# Screenshots of the main window under a virtual display: a few selections and
# a refused combination. Usage: scripts/screenshots.sh [build folder] [output folder]
# Needs xvfb-run, xdotool and ImageMagick's import.
set -euo pipefail

build=$(realpath "${1:-build}")
out=$(realpath -m "${2:-$build/screenshots}")
program="$build/bin/kaminor"
[ -x "$program" ] || { echo "no program at $program (build it first)" >&2; exit 1; }
for tool in xvfb-run xdotool import; do
    command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done
mkdir -p "$out"

# A preferences folder of our own: a dealer (prices shown) with a chosen selection.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

write_prefs() { # the selection as nine numbers: body glass colour side plate tablet doorlogs tva credimp
    mkdir -p "$home/config/Kaminor"
    # The dealer's password and the coefficient 1.0, both as the program scrambles them.
    cat > "$home/config/Kaminor/Kaminor Prefs.txt" <<PREFS
Date Launch :@: $(date '+%Y-%m-%d %H:%M:%S')
Auto Check Update :@: False
Effets sonores :@: False
Password Prices :@: (9(!(6(7&!(#(3
Coeff Prix :@: &8&=&<
Fenetre Win :@: ${BOUNDS:-20,60,894,680}
MindBody :@: $1
MindDoorGlass :@: $2
MindColor :@: $3
MindSide :@: $4
MindPlate :@: $5
MindTablet :@: $6
MindDoorLogs :@: $7
MindTVA :@: $8
MindCredImp :@: $9
PREFS
}

# Runs the program, lets the given actions happen, and takes a screenshot.
shot() { # name, then xdotool actions run after the window shows
    local name=$1; shift
    HOME="$home" XDG_CONFIG_HOME="$home/config" xvfb-run -a -s "-screen 0 1280x900x24" \
        bash -c '
            "$0" & pid=$!
            for i in $(seq 50); do
                win=$(xdotool search --name "^Kaminor$" 2>/dev/null | head -1) && [ -n "$win" ] && break
                sleep 0.2
            done
            sleep 1.5
            win=$(xdotool search --name "^Kaminor$" | head -1)
            '"$*"'
            import -window root "'"$out/$name.png"'"
            kill $pid 2>/dev/null; wait $pid 2>/dev/null || true
        ' "$program"
    echo "$out/$name.png"
}

# Where the option buttons are, in window coordinates at the design size.
# The menu bar sits above them in the window.
click() { echo "xdotool mousemove --window \$win $1 \$(( $2 + \${MENU:-19} )) click 1;"; }

write_prefs 0 1 0 0 0 0 2 2 0
shot kolda-steel ""
write_prefs 1 0 1 3 1 1 1 2 1
shot tessa-granite ""
write_prefs 3 0 1 4 2 0 0 1 0
shot zelta-serpentino ""
# A larger window: the right-hand groups follow the right edge, the picture grows.
BOUNDS=20,60,1200,800 write_prefs 4 0 1 1 0 0 1 0 1
shot hodra-wide ""
write_prefs 2 1 1 5 3 0 2 2 0
# Orvo takes no log-store door: asking for one shows the refusal for 500 ms.
shot orvo-refused "$(click 700 141)"
