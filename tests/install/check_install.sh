#!/usr/bin/env bash
# Checks an installed Kaminor:
#   check_install.sh prefix <build folder>   cmake --install into a temporary prefix
#   check_install.sh deb <build folder>      cpack -G DEB, unpacked with dpkg-deb -x
# then the layout, the desktop entry, the metainfo and the icons, and a run of the
# installed program through its start-up and a quit that writes the preferences.
set -euo pipefail

mode=${1:?mode: prefix or deb}
build=$(cd "${2:?build folder}" && pwd)
cmake=${KAMINOR_CMAKE:-cmake}
cpack=${KAMINOR_CPACK:-cpack}
app_id=org.example.developer.kaminor

work=$(mktemp -d "${TMPDIR:-/tmp}/kaminor-$mode.XXXXXX")
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill -KILL "$pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
die() { echo "FAIL: $*" >&2; exit 1; }
need_file() { [ -f "$1" ] || fail "missing file ${1#"$root"}"; }

root=$work/root
case $mode in
prefix)
    prefix=$root/opt/kaminor
    "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
        || { cat "$work/install.log"; die "cmake --install failed"; }
    ;;
deb)
    prefix=$root/usr
    (cd "$work" && "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg") >"$work/cpack.log" 2>&1 \
        || { cat "$work/cpack.log"; die "cpack -G DEB failed"; }
    debs=("$work"/pkg/*.deb)
    [ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || die "cpack made no single .deb"
    deb=${debs[0]}
    dpkg-deb -x "$deb" "$root" || die "dpkg-deb -x failed"
    # The Qt libraries come from the computed dependencies, not from a hand-written list.
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6multimedia6; do
        grep -Eq "(^|[ ,])$lib([ (,]|$)" <<<"$depends" || fail "the package does not depend on $lib"
    done
    [ "$(dpkg-deb -f "$deb" Package)" = kaminor ] || fail "package name is not kaminor"
    ;;
*)
    die "unknown mode $mode"
    ;;
esac

# --- Layout ---------------------------------------------------------------
share=$prefix/share
contents=$share/kaminor
[ -x "$prefix/bin/kaminor" ] || fail "missing program bin/kaminor"
for f in Bop.wav Zoum.wav Bip.wav IconApp_128.png NoStove.png CreditsLogo.png CreditsLogoMask.png; do
    need_file "$contents/Resources/$f"
done
need_file "$contents/Comparateur/index.html"
compgen -G "$contents/StovesDoss/*.jpg" >/dev/null || fail "no photo in share/kaminor/StovesDoss"
compgen -G "$contents/StovesDossTest/*.jpg" >/dev/null || fail "no photo in share/kaminor/StovesDossTest"
compgen -G "$contents/translations/kaminor_*.qm" >/dev/null || fail "no compiled translation in share/kaminor/translations"

desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml
need_file "$desktop"
need_file "$metainfo"
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    exe=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$prefix/bin/$exe" ] || fail "the desktop entry starts $exe, which is not in bin/"
    for size in 16 22 24 32 48 64 128; do
        png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
        need_file "$png"
        if [ -f "$png" ]; then
            file "$png" | grep -q "PNG image data, $size x $size" || fail "${png#"$root"} is not a $size-pixel PNG"
        fi
    done
fi
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
fi

# --- A run ----------------------------------------------------------------
# A preferences file is there already, so no about window opens on the start;
# its old launch date shows whether the quit wrote it anew.
home=$work/home
prefs_dir=$home/config/Kaminor
prefs_file="$prefs_dir/Kaminor Prefs.txt"
mkdir -p "$prefs_dir"
cat >"$prefs_file" <<'PREFS'
Date Launch :@: 2000-01-01 00:00:00
Auto Check Update :@: False
Afficher HelpTag :@: True
Effets sonores :@: False
Encodage Windows :@: False
Password Prices :@: 
Coeff Prix :@: 
Lock Prefs :@: False
My Details :@: 
Fenetre Win :@: 20,60,894,680
MindBody :@: 1
MindDoorGlass :@: 1
MindColor :@: 0
MindSide :@: 0
MindPlate :@: 0
MindTablet :@: 0
MindDoorLogs :@: 2
MindCredImp :@: 0
MindTVA :@: 2
PREFS

env -i PATH="$PATH" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$work" \
    QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 \
    "$prefix/bin/kaminor" >"$work/run.log" 2>&1 &
pid=$!
sleep 3
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; pid=""; die "the installed program ended during its start-up"; }
kill -TERM "$pid"
for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
if kill -0 "$pid" 2>/dev/null; then
    cat "$work/run.log"
    die "the installed program did not quit within 20 s of SIGTERM"
fi
status=0
wait "$pid" || status=$?
pid=""
[ "$status" -eq 0 ] || { cat "$work/run.log"; fail "the installed program quit with status $status"; }

lines=$(wc -l <"$prefs_file")
[ "$lines" -eq 19 ] || fail "the preferences file has $lines lines, not 19"
[ "$(grep -c ' :@: ' "$prefs_file")" -eq 19 ] || fail "not every preferences line is a key and a value"
if grep -q '^Date Launch :@: 2000-01-01' "$prefs_file"; then
    fail "the preferences file was not written at the quit"
fi
grep -q '^MindBody :@: 1$' "$prefs_file" || fail "the remembered selection did not survive the run"

if [ "$failures" -gt 0 ]; then
    echo "--- preferences file"; cat "$prefs_file"
    echo "--- program output"; cat "$work/run.log"
    exit 1
fi
echo "install ($mode): layout, desktop entry, metainfo, icons and a run are sound"
