#!/usr/bin/env bash
# The README's run command, as a new user on a headless machine runs it: with
# no display and no Wine running it ends by itself with success, prints where
# its screenshot is, and leaves no process of its own behind. The tests' Wine
# is stopped for it and started again afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/tools/wine-env.sh"
lumora_wine_env
build=$(cd "$LUMORA_WIN_BUILD/.." && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }

lumora_stop "$LUMORA_WIN_BUILD"
trap 'lumora_setup "$LUMORA_WIN_BUILD" >/dev/null' EXIT

out=$(mktemp)
rc=0
env -u DISPLAY LUMORA_BUILD_DIR="$build" timeout 240 "$root/tools/run.sh" >"$out" 2>&1 </dev/null || rc=$?
cat "$out"
[ $rc -ne 124 ] || fail "tools/run.sh did not end within 240 s"
[ $rc -eq 0 ] || fail "tools/run.sh ended with status $rc"
shot=$(sed -n 's/^Screenshot: *//p' "$out")
rm -f "$out"
[ -n "$shot" ] || fail "no screenshot path printed"
identify "$shot" >/dev/null 2>&1 || fail "screenshot '$shot' is missing or not a picture"

# Nothing of the session is left: no wineserver for the prefix (its Windows
# processes end with it) and no Xvfb of its own.
for _ in $(seq 1 50); do lumora_wineserver_running || break; sleep 0.1; done
lumora_wineserver_running && fail "the session left its wineserver running"
[ -f "$LUMORA_WINE_DIR/xvfb.pid" ] && fail "the session left its Xvfb running"
for pid in $(pgrep -f 'Vexo\.exe' || true); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" &&
        fail "a Vexo process is left behind ($pid)"
done
echo "PASS: tools/run.sh ended by itself and left nothing running ($shot)"
