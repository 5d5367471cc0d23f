#!/usr/bin/env bash
# Macro keys that act, with the real Tessar, the tablet driver stand-in and
# the real Vexo: a hot key types its sequence into the window in front (the
# key recorder), a program key starts Notepad, the key tip shows at the key's
# edge, OEM id 7 acts only while the profile's process runs, and presenter
# keys drive Vexo (starting it when it does not run).
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env

tablet="$LUMORA_COMMON_APPDATA/Tablet"
manager="$tablet/MKProfile.ini"
profile="$tablet/E2EKeys.ini"
saved="$LUMORA_WINE_DIR/macro_keys.MKProfile.ini"
log_unix="$LUMORA_C/users/Public/keyrec.log"
log_win='C:\users\Public\keyrec.log'
keyrec="$LUMORA_WIN_BUILD/tests/e2e/keyrec.exe"
tessar_pid="" driver_pid="" keyrec_pid="" vexo_pid=""

stop_keyrec() {
    [ -n "$keyrec_pid" ] || return 0
    winprobe close KeyRecorder - >/dev/null 2>&1 || true
    wait "$keyrec_pid" 2>/dev/null || true
    keyrec_pid=""
}
close_notepads() {
    while winprobe find Notepad - 0 >/dev/null 2>&1; do
        winprobe close Notepad - >/dev/null 2>&1 || true
        sleep 0.5
    done
}
cleanup() {
    stop_keyrec
    close_notepads
    winprobe answer "Erase All" 7 0 >/dev/null 2>&1 || true
    winprobe close LUMORA - >/dev/null 2>&1 || true
    winprobe gone LUMORA - 10000 >/dev/null 2>&1 || true
    [ -n "$tessar_pid" ] && { winprobe post Tessar - 0x534 0 0 >/dev/null 2>&1 || true; wait "$tessar_pid" 2>/dev/null || true; }
    tabletdriver stop >/dev/null 2>&1 || true
    [ -n "$driver_pid" ] && wait "$driver_pid" 2>/dev/null || true
    if [ -f "$saved" ]; then mv -f "$saved" "$manager"; else rm -f "$manager"; fi
    rm -f "$profile" "$log_unix"
}
fail() { echo "FAIL: $*" >&2; cleanup; exit 1; }

set_ini() {  # file section key value: one key of a CRLF INI file
    python3 - "$@" <<'PY'
import sys, re
path, section, key, value = sys.argv[1:5]
try:
    text = open(path, newline='').read().replace('\r\n', '\n')
except FileNotFoundError:
    text = ''
lines = text.split('\n') if text else []
out, cur, done, seen = [], None, False, False
for line in lines:
    m = re.match(r'\s*\[(.*)\]\s*$', line)
    if m:
        if cur == section and not done:
            out.append(f'{key}={value}'); done = True
        cur = m.group(1)
        seen = seen or cur == section
    elif cur == section and line.split('=', 1)[0].strip().lower() == key.lower():
        if not done:
            out.append(f'{key}={value}'); done = True
        continue
    out.append(line)
if not done:
    if not seen:
        out.append(f'[{section}]')
    out.append(f'{key}={value}')
open(path, 'w', newline='').write('\r\n'.join(l for l in out if l != '' or False) + '\r\n')
PY
}

# Waits up to $2 s for the key log to hold $1 lines.
wait_log_lines() {
    local i
    for i in $(seq 1 $(( $2 * 10 ))); do
        [ -f "$log_unix" ] && [ "$(wc -l < "$log_unix")" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

start_keyrec() {
    rm -f "$log_unix"
    wine "$keyrec" "$log_win" >/dev/null 2>&1 &
    keyrec_pid=$!
    winprobe find KeyRecorder - 20000 >/dev/null || fail "the key recorder did not start"
    sleep 0.5
}

[ "$(winprobe count Tessar)" = 0 ] || fail "a Tessar is already running"
winprobe gone LUMORA - 0 >/dev/null || fail "a Vexo is already running"

# --- the profiles: ours first, then the shipped presenter profile ---
mkdir -p "$tablet"
rm -f "$saved"
[ -f "$manager" ] && cp -f "$manager" "$saved"
[ -f "$tablet/Presenter.ini" ] || cp "$LUMORA_SYSTEM_DIR/Presenter.ini" "$tablet/Presenter.ini"
rm -f "$manager" "$profile"
for kv in "Info OemID 0" "Info FileCount 2" "CollectFile 0 E2EKeys" "CollectFile 1 Presenter" \
          "LastSetting FileName E2EKeys" "LastSetting FileIndex 0" "LastSetting UseORNot 1" \
          "LastSetting DisplayORNot 1"; do
    set_ini "$manager" $kv
done
# The wide model: PID 52, keys 1-6 on top. Key 1 types, key 2 starts Notepad.
for oem in 0 7; do
    section="MacroKey_0034_$oem"
    set_ini "$profile" FileInfo FileName E2EKeys
    set_ini "$profile" "$section" MacroKey1 '$h{TAB}i~'
    set_ini "$profile" "$section" MacroKeyMode1 1
    set_ini "$profile" "$section" MacroKeyName1 Greeting
    set_ini "$profile" "$section" MacroKey2 notepad.exe
    set_ini "$profile" "$section" MacroKeyMode2 2
    set_ini "$profile" "$section" MacroKeyName2 Notepad
done

tabletdriver run --model wide >/dev/null 2>&1 &
driver_pid=$!
winprobe find - OrvikUSBTablet 20000 >/dev/null || fail "the driver stand-in did not start"
wine "$LUMORA_PROGRAM_DIR/Tessar.exe" >/dev/null 2>&1 &
tessar_pid=$!
winprobe find Tessar - 20000 >/dev/null || fail "no Tessar window"
sleep 1

# --- a hot key types into the window in front, key by key ---
start_keyrec
tabletdriver click top 1 >/dev/null 2>&1 || fail "cannot click key 1"
wait_log_lines 10 10 || fail "the recorder got $(cat "$log_unix" 2>/dev/null | tr '\n' ' ')"
got=$(tr -d '\r' < "$log_unix" | tr '\n' ' ')
want="10+ 48+ 48- 10- 09+ 09- 49+ 49- 0D+ 0D- "
[ "$got" = "$want" ] || fail "key 1 typed '$got', wanted '$want'"
sleep 1
[ "$(wc -l < "$log_unix")" -eq 10 ] || fail "more keys arrived than the sequence holds"

# --- a known program's window missing: asked first, its fallback start fails
# ("File not exit"), then the key acts (key 2 starts Notepad) ---
set_ini "$profile" FileInfo ClassName DRAVIK_CLASS
close_notepads
tabletdriver click top 3 >/dev/null 2>&1 || fail "cannot click key 2"
question=$(winprobe answer Tessar 1 20000) || fail "no question to start the profile's program"
case "$question" in *"not for the current active window"*) ;; *) fail "question was '$question'" ;; esac
notice=$(winprobe answer "WTTsq Message" 1 20000) || fail "no notice that the program is missing"
[ "$notice" = "File not exit" ] || fail "notice was '$notice'"
winprobe find Notepad - 20000 >/dev/null || fail "key 2 did not act after the boxes"
close_notepads
set_ini "$profile" FileInfo ClassName ""

# --- the key tip at the key's edge: key 3 of 6 on top ---
tabletdriver press top 5 >/dev/null 2>&1 || fail "cannot press key 3"
sleep 0.4
shot="$LUMORA_WINE_DIR/macro_keys_tip.png"
lumora_screenshot "$shot" || fail "no screenshot"
tabletdriver release top 5 >/dev/null 2>&1 || true
read -r width height < <(identify -format '%w %h\n' "$shot")
tip_x=$(( width / 6 * 2 + width / 6 / 2 ))
# The tip's background colour (0xB4FFFF: light yellow) near the top edge at the key.
yellow=$(convert "$shot" -crop "240x80+$(( tip_x - 120 ))+0" +repage -fill black +opaque 'rgb(255,255,180)' \
         -format '%[fx:mean*w*h]' info: | cut -d. -f1)
[ "${yellow:-0}" -gt 200 ] || fail "no key tip near ($tip_x, 0) in $shot"
far=$(convert "$shot" -crop "240x80+$(( width - 240 ))+$(( height / 2 ))" +repage -fill black \
      +opaque 'rgb(255,255,180)' -format '%[fx:mean*w*h]' info: | cut -d. -f1)
[ "${far:-0}" -lt 50 ] || fail "tip colour away from the key in $shot"
sleep 1.5

# --- a program key starts a program ---
close_notepads
tabletdriver click top 3 >/dev/null 2>&1 || fail "cannot click key 2"
winprobe find Notepad - 20000 >/dev/null || fail "key 2 did not start Notepad"
close_notepads

# --- a pen stroke's link (WM_STROKE_LINK) is handed to the shell ---
set_ini "$tablet/stroke.ini" L3 BrowsePath notepad.exe
tabletdriver stroke 3 >/dev/null 2>&1 || fail "cannot post stroke 3"
winprobe find Notepad - 20000 >/dev/null || fail "stroke 3 did not open its link"
close_notepads
rm -f "$tablet/stroke.ini"

# --- OEM id 7: keys act only while the profile's process (keyrec) runs ---
set_ini "$profile" FileInfo ExeFileName keyrec.exe
set_ini "$manager" Info OemID 7
stop_keyrec
tabletdriver click top 3 >/dev/null 2>&1 || fail "cannot click key 2"
sleep 3
winprobe find Notepad - 0 >/dev/null && fail "OEM 7 acted without the profile's process"
start_keyrec
tabletdriver click top 3 >/dev/null 2>&1 || fail "cannot click key 2"
winprobe find Notepad - 20000 >/dev/null || fail "OEM 7 did not act with the profile's process running"
close_notepads
stop_keyrec
set_ini "$manager" Info OemID 0

# --- presenter keys: Vexo not running is started and gets the brush (40) ---
set_ini "$manager" LastSetting FileIndex 1
tabletdriver reload >/dev/null 2>&1 || fail "cannot reload"
sleep 0.5
tabletdriver click top 9 >/dev/null 2>&1 || fail "cannot click key 5"
winprobe find LUMORA - 20000 >/dev/null || fail "key 5 did not start Vexo"
for _ in $(seq 1 100); do winprobe visible MyWnd && break; sleep 0.1; done
winprobe visible MyWnd || fail "Vexo did not get the brush command after its start"
# The arrow (44) puts the overlay away; key 1 of the presenter profile (39,
# the pen) brings it back.
winprobe post LUMORA - 0x464 44 0 || fail "cannot post the arrow"
for _ in $(seq 1 100); do winprobe visible MyWnd || break; sleep 0.1; done
winprobe visible MyWnd && fail "the arrow did not put the overlay away"
tabletdriver click top 1 >/dev/null 2>&1 || fail "cannot click key 1"
for _ in $(seq 1 100); do winprobe visible MyWnd && break; sleep 0.1; done
winprobe visible MyWnd || fail "key 1 did not reach the running Vexo"
pen_shot="$LUMORA_WINE_DIR/macro_keys_pen.png"
lumora_screenshot "$pen_shot" || true

# A suspend request goes to the system (Wine ignores it); Tessar goes on.
winprobe post Tessar - 0x218 2 0 || fail "cannot post the suspend request"
sleep 1
kill -0 "$tessar_pid" 2>/dev/null || fail "Tessar ended on the suspend request"

# WM_QUIT_MANAGER ends Tessar at once.
winprobe post Tessar - 0x534 0 0 || fail "cannot post quit"
for _ in $(seq 1 100); do kill -0 "$tessar_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$tessar_pid" 2>/dev/null && fail "Tessar did not end on WM_QUIT_MANAGER"
wait "$tessar_pid" 2>/dev/null || true
tessar_pid=""

cleanup
echo "PASS: a hot key typed its keys in order, a program key started Notepad, the key tip showed at its key ($shot), a stroke link opened, a missing known program was asked for and reported, OEM 7 waited for its process, presenter keys started and drove Vexo ($pen_shot)"
