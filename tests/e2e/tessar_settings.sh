#!/usr/bin/env bash
# Tessar's settings window, used as a person uses it, with the real Tessar and
# the tablet driver stand-in: the tray menu's Show opens the window; a click
# on key button K1 of the tablet picture, Ctrl and "F1" and Confirm store the
# key, and a press of that key on the tablet then types Ctrl+F1 into the
# window in front; New creates a profile that the list then holds; the extra
# settings reach the driver's window; screenshots for two OEM ids.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env

tablet="$LUMORA_COMMON_APPDATA/Tablet"
manager="$tablet/MKProfile.ini"
profile="$tablet/E2ESettings.ini"
newprofile="$tablet/e2enew.ini"
saved="$LUMORA_WINE_DIR/tessar_settings.MKProfile.ini"
table="$tablet/orvtbl.ini"
saved_table="$LUMORA_WINE_DIR/tessar_settings.orvtbl.ini"
log_unix="$LUMORA_C/users/Public/keyrec.log"
log_win='C:\users\Public\keyrec.log'
keyrec="$LUMORA_WIN_BUILD/tests/e2e/keyrec.exe"
tessar_pid="" driver_pid="" keyrec_pid=""

stop_keyrec() {
    [ -n "$keyrec_pid" ] || return 0
    winprobe close KeyRecorder - >/dev/null 2>&1 || true
    wait "$keyrec_pid" 2>/dev/null || true
    keyrec_pid=""
}
stop_tessar() {
    [ -n "$tessar_pid" ] || return 0
    winprobe post Tessar - 0x534 0 0 >/dev/null 2>&1 || true
    wait "$tessar_pid" 2>/dev/null || true
    tessar_pid=""
}
cleanup() {
    stop_keyrec
    stop_tessar
    tabletdriver stop >/dev/null 2>&1 || true
    [ -n "$driver_pid" ] && wait "$driver_pid" 2>/dev/null || true
    if [ -f "$saved" ]; then mv -f "$saved" "$manager"; else rm -f "$manager"; fi
    if [ -f "$saved_table" ]; then mv -f "$saved_table" "$table"; fi
    rm -f "$profile" "$newprofile" "$log_unix"
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
lines = [l for l in text.split('\n') if l != ''] if text else []
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
open(path, 'w', newline='').write('\r\n'.join(out) + '\r\n')
PY
}
get_ini() {  # file section key
    python3 - "$@" <<'PY'
import sys, re
path, section, key = sys.argv[1:4]
cur = None
for line in open(path, newline='').read().replace('\r\n', '\n').split('\n'):
    m = re.match(r'\s*\[(.*)\]\s*$', line)
    if m:
        cur = m.group(1)
    elif cur is not None and cur.lower() == section.lower() and '=' in line:
        k, v = line.split('=', 1)
        if k.strip().lower() == key.lower():
            print(v.strip()); break
PY
}

# Clicks the settings window at client pixel (x, y).
click_client() {
    local ox oy
    read -r ox oy < <(winprobe origin Tessar -) || fail "no settings window to click"
    xdotool mousemove $(( ox + $1 )) $(( oy + $2 )) click 1
    sleep 0.4
}
# Types letters and digits (upper case letters come out in lower case) into
# the control that has the keyboard focus in the window of class $1.
type_text() {
    local cls=$1 text=$2 i c
    for (( i = 0; i < ${#text}; i++ )); do
        c=${text:i:1}
        winprobe key "$cls" - "$(printf '0x%02X' "'${c^^}")" >/dev/null || fail "cannot type '$c'"
    done
    sleep 0.2
}
wait_log_lines() {
    local i
    for i in $(seq 1 $(( $2 * 10 ))); do
        [ -f "$log_unix" ] && [ "$(wc -l < "$log_unix")" -ge "$1" ] && return 0
        sleep 0.1
    done
    return 1
}
start_tessar() {
    wine "$LUMORA_PROGRAM_DIR/Tessar.exe" >/dev/null 2>&1 &
    tessar_pid=$!
    winprobe find Tessar - 20000 >/dev/null || fail "no Tessar window"
    sleep 1.5
}
# The tray icon's right click and a click on the menu entry at position $1 (0-based).
tray_menu_pick() {
    xdotool mousemove 900 500
    winprobe post Tessar - NotifyIcon 0 0x204 >/dev/null || fail "cannot reach the tray icon"
    winprobe post Tessar - NotifyIcon 0 0x205 >/dev/null || fail "cannot reach the tray icon"
    winprobe find '#32768' - 10000 >/dev/null || fail "no tray menu"
    sleep 0.3
    local l t r b entries=$2
    read -r l t r b < <(winprobe rect '#32768' -)
    xdotool mousemove $(( (l + r) / 2 )) $(( t + (b - t) * (2 * $1 + 1) / (2 * entries) )) click 1
    sleep 0.5
}
screenshot_window() {  # file: the client area (no window manager draws the frame)
    local l t r b ox oy
    read -r l t r b < <(winprobe rect Tessar -)
    read -r ox oy < <(winprobe origin Tessar -)
    lumora_screenshot "$1.full.png" || fail "no screenshot"
    convert "$1.full.png" -crop "$(( r - l - 2 * (ox - l) ))x$(( b - oy - (ox - l) ))+$ox+$oy" +repage "$1"
    rm -f "$1.full.png"
}

[ "$(winprobe count Tessar)" = 0 ] || fail "a Tessar is already running"

mkdir -p "$tablet"
rm -f "$saved" "$saved_table"
[ -f "$manager" ] && cp -f "$manager" "$saved"
[ -f "$tablet/Presenter.ini" ] || cp "$LUMORA_SYSTEM_DIR/Presenter.ini" "$tablet/Presenter.ini"
rm -f "$manager" "$profile" "$newprofile"
for kv in "Info OemID 0" "Info IfVistaFirst 1" "Info FileCount 2" "Info DefaultFileNum 1" "CollectFile 0 Presenter" \
          "CollectFile 1 E2ESettings" "LastSetting FileName E2ESettings" "LastSetting FileIndex 1" \
          "LastSetting UseORNot 1" "LastSetting DisplayORNot 1" "Info TsqTipShow Tessar"; do
    set_ini "$manager" $kv
done
set_ini "$profile" FileInfo FileName E2ESettings
# Key 1 starts Notepad until the user makes it a hot key; key 2 is unused.
set_ini "$profile" MacroKey_0034_0 MacroKey1 notepad.exe
set_ini "$profile" MacroKey_0034_0 MacroKeyMode1 2
set_ini "$profile" MacroKey_0034_0 MacroKeyName1 Notepad

tabletdriver run --model wide >/dev/null 2>&1 &
driver_pid=$!
winprobe find - OrvikUSBTablet 20000 >/dev/null || fail "the driver stand-in did not start"
start_tessar
winprobe visible Tessar && fail "the settings window is visible at start-up"

# --- the tray menu's Show (second entry) opens the window ---
tray_menu_pick 1 7
winprobe visible Tessar || fail "Show did not open the settings window"
[ "$(winprobe itemtext Tessar - 1007)" = "Lumora Wide" ] || fail "model name is '$(winprobe itemtext Tessar - 1007)'"
[ "$(winprobe itemsend Tessar - 1008 0x146 0 0)" = 10 ] || fail "the key list does not hold the wide tablet's 10 keys"
shot0="$LUMORA_WINE_DIR/tessar_settings_oem0.png"
screenshot_window "$shot0"

# --- K1 on the tablet picture, Ctrl + "F1", a hint and Confirm ---
winprobe enabled Tessar - 6002 && fail "the unused key K2 has an enabled button"
click_client 261 272                                  # K2 (greyed): nothing happens
click_client 240 272                                  # K1: (230, 264)-(250, 281)
[ "$(winprobe itemsend Tessar - 1008 0x147 0 0)" = 0 ] || fail "K1 did not select key 1"
[ "$(winprobe itemtext Tessar - 1016)" = notepad.exe ] || fail "the editor does not show key 1's program"
winprobe enabled Tessar - 1018 && fail "Confirm is enabled before any edit"
click_client 125 108                                  # Use hot key
click_client 283 108                                  # Ctrl
click_client 500 108                                  # the key combo takes the focus
# Typing F walks the entries that begin with F ("F", "F1", ...) until "F1";
# an open list is closed with Enter, which takes the entry.
for i in $(seq 1 16); do
    [ "$(winprobe itemsend Tessar - 1014 0x147 0 0)" = 36 ] && break
    winprobe key Tessar - 0x46 >/dev/null
    sleep 0.2
done
[ "$(winprobe itemsend Tessar - 1014 0x157 0 0)" = 1 ] && winprobe key Tessar - 0x0D >/dev/null
sleep 0.3
[ "$(winprobe itemsend Tessar - 1014 0x147 0 0)" = 36 ] || fail "F1 is not chosen in the key combo"
click_client 450 80                                   # the hint: "Notepad" becomes "help"
winprobe key Tessar - 0x23 >/dev/null
for i in 1 2 3 4 5 6 7; do winprobe key Tessar - 0x08 >/dev/null; done
type_text Tessar HELP
winprobe enabled Tessar - 1018 || fail "Confirm is not enabled after the edits"
click_client 500 80                                   # Confirm
sleep 0.5
[ "$(get_ini "$profile" MacroKey_0034_0 MacroKey1)" = '^{F1}' ] || fail "MacroKey1 is '$(get_ini "$profile" MacroKey_0034_0 MacroKey1)'"
[ "$(get_ini "$profile" MacroKey_0034_0 MacroKeyMode1)" = 1 ] || fail "MacroKeyMode1 is not 1"
[ "$(get_ini "$profile" MacroKey_0034_0 KeyComboIdx1)" = 36 ] || fail "KeyComboIdx1 is not 36"
[ "$(get_ini "$profile" MacroKey_0034_0 MacroKeyName1)" = help ] || fail "MacroKeyName1 is not 'help'"
winprobe enabled Tessar - 1018 && fail "Confirm is still enabled after Confirm"

# --- OK hides the window (the profile shown is the saved one) ---
click_client 467 562
sleep 0.5
winprobe visible Tessar && fail "OK did not hide the window"

# --- the tablet's key 1 now types Ctrl+F1 into the window in front ---
rm -f "$log_unix"
wine "$keyrec" "$log_win" >/dev/null 2>&1 &
keyrec_pid=$!
winprobe find KeyRecorder - 20000 >/dev/null || fail "the key recorder did not start"
sleep 0.5
tabletdriver click top 1 >/dev/null 2>&1 || fail "cannot click key 1"
wait_log_lines 4 10 || fail "the recorder got $(tr '\n' ' ' < "$log_unix" 2>/dev/null)"
got=$(tr -d '\r' < "$log_unix" | tr '\n' ' ')
[ "$got" = "11+ 70+ 70- 11- " ] || fail "key 1 typed '$got', wanted Ctrl+F1"
stop_keyrec

# --- New: a profile for a program; the list holds it and OK saves the list ---
tray_menu_pick 1 7
winprobe visible Tessar || fail "Show did not open the window again"
click_client 282 37                                   # New
winprobe find '#32770' New 10000 >/dev/null || fail "no new-profile dialog"
sleep 0.5
# "..." lists the installed programs; OK takes the first (sorted) entry.
winprobe post '#32770' New 0x111 1006 0 >/dev/null
winprobe find '#32770' Open 10000 >/dev/null || fail "no installed-programs list"
sleep 0.5
first=$(winprobe itemsend '#32770' Open 1090 0x18B 0 0)   # LB_GETCOUNT
[ "${first:-0}" -gt 0 ] || fail "the installed-programs list is empty"
winprobe post '#32770' Open 0x111 1 0 >/dev/null
winprobe gone '#32770' Open 10000 >/dev/null || fail "the installed-programs list stayed open"
sleep 0.5
program=$(winprobe itemtext '#32770' New 1005)
case "$program" in ?:*.exe|?:*.EXE) ;; *) fail "the chosen program shows as '$program'" ;; esac
type_text '#32770' E2ENEW
winprobe key '#32770' - 0x0D >/dev/null               # OK
winprobe gone '#32770' New 10000 >/dev/null || fail "the new-profile dialog stayed open"
[ -f "$newprofile" ] || fail "no profile file for the new profile"
[ "$(get_ini "$newprofile" FileInfo FileName)" = e2enew ] || fail "the new file has no [FileInfo] FileName"
[ "$(get_ini "$newprofile" FileInfo ExeFilePath)" = "$program" ] || fail "ExeFilePath is not '$program'"
case "$(get_ini "$newprofile" FileInfo ExeFileName)" in *.exe|*.EXE) ;; *) fail "ExeFileName is not a program's name" ;; esac
[ "$(winprobe itemsend Tessar - 1000 0x146 0 0)" = 3 ] || fail "the profile list does not hold the new profile"
[ "$(winprobe itemsend Tessar - 1000 0x147 0 0)" = 2 ] || fail "the new profile is not selected"
click_client 467 562                                  # OK: another profile, so it asks to save the list
answer=$(winprobe answer Tessar 1 10000) || fail "OK did not ask to save the list"
case "$answer" in *"Save the modified setting"*) ;; *) fail "OK asked '$answer'" ;; esac
# Closing a message box takes Wine up to 2 s without a window manager.
for i in $(seq 1 50); do [ "$(get_ini "$manager" CollectFile 2)" = e2enew ] && break; sleep 0.1; done
[ "$(get_ini "$manager" CollectFile 2)" = e2enew ] || fail "the saved list does not name the new profile"
[ "$(get_ini "$manager" LastSetting FileName)" = e2enew ] || fail "the new profile is not the saved one"

# --- a bad name is refused before anything is written ---
tray_menu_pick 1 7
click_client 282 37
winprobe find '#32770' New 10000 >/dev/null || fail "no new-profile dialog"
sleep 0.5
type_text '#32770' CON
winprobe key '#32770' - 0x0D >/dev/null
refusal=$(winprobe answer Tessar 1 10000) || fail "the name CON was not refused"
case "$refusal" in *"device name"*) ;; *) fail "refusal was '$refusal'" ;; esac
[ -f "$tablet/CON.ini" ] && fail "a file was written for CON"
winprobe close '#32770' New >/dev/null
winprobe gone '#32770' New 10000 >/dev/null || fail "the new-profile dialog did not close"

# --- Delete: the new profile goes, a default profile stays ---
click_client 382 37                                   # Delete (e2enew is selected)
question=$(winprobe answer Tessar 1 10000) || fail "Delete did not ask"
case "$question" in *"Delete this profile"*) ;; *) fail "Delete asked '$question'" ;; esac
for i in $(seq 1 50); do [ -f "$newprofile" ] || break; sleep 0.1; done
[ -f "$newprofile" ] && fail "Delete left the profile's file"
[ "$(winprobe itemsend Tessar - 1000 0x146 0 0)" = 2 ] || fail "the list still holds the deleted profile"
[ "$(get_ini "$manager" Info FileCount)" = 2 ] || fail "FileCount was not lowered with the saved profile"
[ "$(winprobe itemsend Tessar - 1000 0x147 0 0)" = 0 ] || fail "Delete did not select the default entry"
sleep 2
click_client 382 37                                   # Delete on Presenter, a default profile
refusal=$(winprobe answer Tessar 1 10000) || fail "a default profile was not refused"
case "$refusal" in *"not allowed to be modified nor deleted"*) ;; *) fail "refusal was '$refusal'" ;; esac
[ -f "$tablet/Presenter.ini" ] || fail "the default profile's file is gone"
sleep 2

# --- extra settings ("Tessar -s" posts 0x530): the sound reaches the driver ---
set_ini "$manager" Option TipClickSound 0
wine "$LUMORA_PROGRAM_DIR/Tessar.exe" -s >/dev/null 2>&1
winprobe find '#32770' Setting 10000 >/dev/null || fail "no extra settings dialog"
sleep 0.5
[ "$(winprobe itemtext '#32770' Setting 1078)" = OFF ] || fail "the sound button does not show OFF"
winprobe itemsend '#32770' Setting 1078 0xF5 0 0 >/dev/null   # BM_CLICK
sleep 0.5
status=$(winprobe itemtext LumoraVirtualTablet - 10)
case "$status" in *"pointing sound: on"*) ;; *) fail "the driver window shows '$status'" ;; esac
[ "$(get_ini "$manager" Option TipClickSound)" = 1 ] || fail "TipClickSound was not written"
winprobe itemsend '#32770' Setting 1085 0x14E 1 0 >/dev/null   # "0.5 sec"
winprobe post '#32770' Setting 0x111 $(( (9 << 16) | 1085 )) 0 >/dev/null
sleep 0.5
[ "$(get_ini "$manager" MacroKey MacroKeyDelayTime)" = 500 ] || fail "MacroKeyDelayTime is not 500"
status=$(winprobe itemtext LumoraVirtualTablet - 10)
case "$status" in *"Response time: 500 ms"*) ;; *) fail "the driver window shows '$status'" ;; esac
winprobe close '#32770' Setting >/dev/null
winprobe gone '#32770' Setting 10000 >/dev/null || fail "the extra settings stayed open"

# --- the system menu's About: the versions from the tablet table ---
cp -f "$table" "$saved_table"
set_ini "$table" ControlPanel "FirmWare Version" 515
winprobe post Tessar - 0x112 16 0 >/dev/null
winprobe find '#32770' 'About Tessar' 10000 >/dev/null || fail "no about dialog"
[ "$(winprobe itemtext '#32770' 'About Tessar' 1078)" = "Software Version 1.12" ] || fail "about: software version"
[ "$(winprobe itemtext '#32770' 'About Tessar' 1079)" = "Firmware Version 2.3" ] || fail "about: firmware version"
winprobe close '#32770' 'About Tessar' >/dev/null
winprobe gone '#32770' 'About Tessar' 10000 >/dev/null || fail "the about dialog stayed open"

# --- the tray menu's third entry switches the manager off ---
tray_menu_pick 2 7
for i in $(seq 1 30); do [ "$(get_ini "$manager" LastSetting UseORNot)" = 0 ] && break; sleep 0.1; done
[ "$(get_ini "$manager" LastSetting UseORNot)" = 0 ] || fail "Disable did not write UseORNot 0"
[ "$(winprobe itemsend Tessar - 1074 0xF0 0 0)" = 0 ] || fail "Disable left the Enable box checked"

# --- OEM id 2: its own menu and texts; a second screenshot; Quit ---
stop_tessar
set_ini "$manager" Info OemID 2
set_ini "$manager" LastSetting FileIndex 1
set_ini "$manager" LastSetting FileName E2ESettings
start_tessar
tray_menu_pick 0 5                                    # "&Hotkey": Show
winprobe visible Tessar || fail "OEM 2: the window did not open"
[ "$(winprobe itemtext Tessar - 1019)" = Active ] || fail "OEM 2: Setting reads '$(winprobe itemtext Tessar - 1019)'"
shot2="$LUMORA_WINE_DIR/tessar_settings_oem2.png"
screenshot_window "$shot2"
echo "screenshots: $shot0 $shot2"
tray_menu_pick 4 5                                    # Quit
for i in $(seq 1 50); do kill -0 "$tessar_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$tessar_pid" 2>/dev/null && fail "Quit did not end Tessar"
winprobe gone Tessar - 5000 >/dev/null || fail "Quit left the settings window"
tessar_pid=""

cleanup
echo "PASS"
