#!/usr/bin/env bash
# Vexo starts under Wine from its installation, makes its settings file from
# the template, shows one top-level "LUMORA" window titled from [Name] Title,
# and a second start ends at once while the first keeps running.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env

settings="$LUMORA_COMMON_APPDATA/Vexo.ini"
vexo="$LUMORA_PROGRAM_DIR/Vexo.exe"
fail() { echo "FAIL: $*" >&2; winprobe close LUMORA - >/dev/null 2>&1 || true; exit 1; }

# First start on a fresh installation: the template becomes the settings file.
rm -f "$settings"
wine "$vexo" >/dev/null 2>&1 &
first=$!
winprobe find LUMORA Lumora 20000 >/dev/null || fail "no LUMORA window titled 'Lumora'"
[ -f "$settings" ] || fail "settings file not created from the template"
grep -q '^Style=0' "$settings" || fail "settings file is not the template"

# A second start of the same executable ends silently.
start=$(date +%s)
timeout 30 wine "$vexo" >/dev/null 2>&1 || fail "second start did not end by itself"
[ "$(winprobe count LUMORA)" = 1 ] || fail "second start left another window"
kill -0 "$first" 2>/dev/null || fail "first Vexo ended"
shot="$LUMORA_WINE_DIR/vexo_starts.png"
lumora_screenshot "$shot" || true

winprobe close LUMORA - || fail "cannot close Vexo"
winprobe gone LUMORA - 10000 || fail "Vexo did not close"
wait "$first" || true

# The title comes from [Name] Title of the settings file.
sed -i 's/^Title=.*/Title=Quarterly Review/' "$settings"
wine "$vexo" >/dev/null 2>&1 &
# The toolbar gets its title while it initialises: wait for that, not for the window.
winprobe find LUMORA "Quarterly Review" 20000 >/dev/null ||
    fail "no LUMORA window titled 'Quarterly Review' (found '$(winprobe find LUMORA - 0)')"
winprobe close LUMORA -
winprobe gone LUMORA - 10000 || fail "Vexo did not close"
wait
echo "PASS: Vexo starts, titles its toolbar from the settings and refuses a second start ($shot)"
