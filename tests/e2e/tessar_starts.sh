#!/usr/bin/env bash
# Tessar starts from its installation with the tablet driver running: one
# hidden "Tessar" window and a tray icon; a second start shows that window and
# ends; Cancel hides it again; the driver's command-line posts find it.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env

tessar="$LUMORA_PROGRAM_DIR/Tessar.exe"
manager="$LUMORA_COMMON_APPDATA/Tablet/MKProfile.ini"
driver_pid=""
tessar_pid=""
saved="$LUMORA_WINE_DIR/tessar_starts.MKProfile.ini"
cleanup() {
    [ -n "$tessar_pid" ] && kill "$tessar_pid" 2>/dev/null || true
    tabletdriver stop >/dev/null 2>&1 || true
    [ -n "$driver_pid" ] && wait "$driver_pid" 2>/dev/null || true
    if [ -f "$saved" ]; then mv -f "$saved" "$manager"; else rm -f "$manager"; fi
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

[ "$(winprobe count Tessar)" = 0 ] || fail "a Tessar is already running"

# The driver runs and the manager is switched on: Tessar shows the enabled icon.
mkdir -p "$(dirname "$manager")"
rm -f "$saved"
[ -f "$manager" ] && cp -f "$manager" "$saved"
printf '[LastSetting]\r\nUseORNot=1\r\n' > "$manager"
tabletdriver run --model wide >/dev/null 2>&1 &
driver_pid=$!
winprobe find - OrvikUSBTablet 20000 >/dev/null || fail "the driver stand-in did not start"

wine "$tessar" >/dev/null 2>&1 &
tessar_pid=$!
winprobe find Tessar - 20000 >/dev/null || fail "no Tessar window"
sleep 1
winprobe visible Tessar && fail "Tessar's window is visible at start-up"
[ "$(winprobe count Tessar)" = 1 ] || fail "more than one Tessar window"
shot="$LUMORA_WINE_DIR/tessar_starts.png"
lumora_screenshot "$shot" || true

# A second start shows the running window and ends by itself.
timeout 30 wine "$tessar" >/dev/null 2>&1 || fail "second start did not end by itself"
for _ in $(seq 1 50); do winprobe visible Tessar && break; sleep 0.1; done
winprobe visible Tessar || fail "second start did not show the running window"
[ "$(winprobe count Tessar)" = 1 ] || fail "second start left another window"
kill -0 "$tessar_pid" 2>/dev/null || fail "the first Tessar ended"

# Cancel hides it; the program goes on.
winprobe post Tessar - 0x111 2 0 || fail "cannot post Cancel"
for _ in $(seq 1 50); do winprobe visible Tessar || break; sleep 0.1; done
winprobe visible Tessar && fail "Cancel did not hide the window"
kill -0 "$tessar_pid" 2>/dev/null || fail "Cancel ended Tessar"

# The driver's messages find Tessar's window.
tabletdriver reload >/dev/null 2>&1 || fail "the driver could not post to Tessar"
tabletdriver click top 1 >/dev/null 2>&1 || fail "the driver could not post a key"

cleanup
wait "$tessar_pid" 2>/dev/null || true
tessar_pid=""
grep -q '^DriverRun=0' "$LUMORA_COMMON_APPDATA/Tablet/orvtbl.ini" || fail "the driver did not record its stop"
echo "PASS: Tessar starts hidden once, a second start shows it, the driver reaches it ($shot)"
