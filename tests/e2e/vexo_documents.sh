#!/usr/bin/env bash
# Documents and recordings as a teacher uses them: a document named on the
# command line shows its ink when the pen is chosen; the open-document
# button's dialog loads it onto another page, and a damaged file is refused
# with a message naming it; a recording made by drawing with the mouse on two
# pages plays back in the player (the stroke grows between two screenshots)
# and stops by itself; it is saved and opened again through the player's file
# dialogs, typed into as a user would; a recording named on the command line
# plays at once; closing the player during playback stops it promptly; the
# compact style proposes dated file names and counts them up.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env
source "$(dirname "$0")/overlay_lib.sh"

WM_COMMAND=0x111
IDC_OPEN_DOCUMENT=1080
IDC_PLAYER=1033
IDC_PLAY=1038
IDC_PLAYER_STOP=1039
IDC_PLAYER_CLOSE=1042
IDC_PLAYER_OPEN=1045
IDC_PLAYER_SAVE=1046
VK_RETURN=0x0D
PLAYER="Lumora Player"

public="$LUMORA_C/users/Public"
mkdir -p "$public"
doc_win='C:\users\Public\e2e_ink.flmz'
bad_win='C:\users\Public\e2e_cut.flmz'
rec_win='C:\users\Public\e2e_lesson'
rm -f "$public"/e2e_*
prefix=$(date +%m%d%Y-)
find "$LUMORA_C" -iname "$prefix*.lmz" -delete
trap 'overlay_stop' EXIT

# Starts Vexo (opaque overlay; the classic strip unless VEXO_STYLE says
# otherwise) with the given command line.
vexo_start() {
    local settings="$LUMORA_COMMON_APPDATA/Vexo.ini"
    winprobe gone LUMORA - 10000 || fail "an earlier Vexo is still running"
    cp "$LUMORA_PROGRAM_DIR/Vexo.ini" "$settings"
    sed -i "s/^Style=.*/Style=${VEXO_STYLE:-0}/" "$settings"
    (cd "$LUMORA_C" && exec wine "$LUMORA_PROGRAM_DIR/Vexo.exe" "$@" >/dev/null 2>&1) &
    OVERLAY_VEXO_PID=$!
    winprobe find LUMORA - 20000 >/dev/null || fail "Vexo did not start"
    winprobe find MyWnd - 10000 >/dev/null || fail "no overlay window"
    sleep 1
}

player_command() { winprobe post "#32770" "$PLAYER" $WM_COMMAND "$1" 0 || fail "no player to post $1 to"; }
player_visible() { winprobe visible "#32770" "$PLAYER"; }

# Waits up to $1 tenths of a second for the player's PLAY button to be
# enabled again (the stopped state).
wait_stopped() {
    local i
    for i in $(seq 1 "$1"); do
        winprobe enabled "#32770" "$PLAYER" $IDC_PLAY && return 0
        sleep 0.1
    done
    return 1
}

# The Record button's left edge in the classic strip.
RECORD_X=682
click_button() {
    local top
    top=$(winprobe rect LUMORA - | awk '{ print $2 }')
    xdotool mousemove "$(($1 + 11))" "$((top + 15))"
    sleep 0.3
    xdotool click 1
    sleep 0.7
}

# A document of one red pen stroke, width 5, from (300, 400) to (700, 400).
python3 - "$public/e2e_ink.flmz" "$public/e2e_cut.flmz" <<'EOF'
import struct, sys
points = [(300 + 8 * i, 400, 5, 1000 + 10 * i) for i in range(51)]
stroke = struct.pack('<I4iIHI', len(points), 300, 398, 700, 402, 0x0000FF, 3, 0)
stroke += b''.join(struct.pack('<3hI', *p) for p in points)
doc = struct.pack('<I', 1) + stroke
open(sys.argv[1], 'wb').write(doc)
open(sys.argv[2], 'wb').write(doc[:len(doc) - 5])  # cut inside the last point
EOF

# --- a document on the command line ---
vexo_start "$doc_win"
overlay_command 39
overlay_wait_shown || fail "the pen did not show the overlay"
shot="$LUMORA_WINE_DIR/documents_commandline.png"
overlay_shot "$shot"
red=$(overlay_count "$shot" 380x20+310+390 "#FF0000")
[ "$red" -ge 300 ] || fail "the command-line document's stroke has $red red pixels ($shot)"
echo "command-line document: $red red pixels along its stroke"

# --- the open-document dialog, onto the white board ---
overlay_command 48
sleep 2
overlay_shot "$LUMORA_WINE_DIR/documents_board_before.png"
before=$(overlay_count "$LUMORA_WINE_DIR/documents_board_before.png" 380x20+310+390 "#FF0000")
[ "$before" -lt 20 ] || fail "the white board already shows the stroke ($before red pixels)"
winprobe post LUMORA - $WM_COMMAND $IDC_OPEN_DOCUMENT 0
winprobe find "#32770" Open 10000 >/dev/null || fail "no open dialog"
sleep 0.5
winprobe type "#32770" Open "$doc_win" || fail "cannot type into the open dialog"
winprobe key "#32770" Open $VK_RETURN
winprobe gone "#32770" Open 10000 || fail "the open dialog stayed"
shot="$LUMORA_WINE_DIR/documents_board_opened.png"
overlay_shot "$shot"
red=$(overlay_count "$shot" 380x20+310+390 "#FF0000")
[ "$red" -ge 300 ] || fail "the document opened on the white board shows $red red pixels ($shot)"
white=$(overlay_count "$shot" 200x50+300+600 "#FFFFFF")
[ "$white" -ge 9000 ] || fail "the white board is not white under the document ($white, $shot)"
echo "opened through the dialog on the white board: $red red pixels"

# A document cut short: the message names the file; the page keeps its ink.
winprobe post LUMORA - $WM_COMMAND $IDC_OPEN_DOCUMENT 0
winprobe find "#32770" Open 10000 >/dev/null || fail "no open dialog"
sleep 0.5
winprobe type "#32770" Open "$bad_win"
winprobe key "#32770" Open $VK_RETURN
text=$(winprobe answer Lumora 1 10000) || fail "no message for a damaged document"
case "$text" in *e2e_cut.flmz*) ;; *) fail "the message does not name the file: $text" ;; esac
sleep 2
shot="$LUMORA_WINE_DIR/documents_board_after_bad.png"
overlay_shot "$shot"
red=$(overlay_count "$shot" 380x20+310+390 "#FF0000")
[ "$red" -ge 300 ] || fail "a refused document changed the page ($red red pixels left, $shot)"
echo "a damaged document is refused: \"$text\""
overlay_stop

# --- recording on two pages, played back in the player ---
vexo_start
# The strip's Record button (under Wine without a window manager the shown
# overlay covers the strip, so it is clicked first).
click_button $RECORD_X
overlay_command 39 46 36
overlay_wait_shown || fail "the pen did not show the overlay"
# A slow stroke on the free screen: about 3 s from left to right.
xdotool mousemove 200 300
sleep 0.2
xdotool mousedown 1
for x in $(seq 200 10 900); do
    xdotool mousemove "$x" 300
    sleep 0.04
done
xdotool mouseup 1
sleep 0.5
overlay_command 48
sleep 2
overlay_drag 320 700 500
# Play Back, as its button sends it (the overlay lies over the strip).
winprobe post LUMORA - $WM_COMMAND $IDC_PLAYER 0
for i in $(seq 1 50); do player_visible && break; sleep 0.1; done
player_visible || fail "the player did not show"
winprobe visible MyWnd && fail "the overlay stayed visible under the player"
sleep 1
player_command $IDC_PLAY
# The first moment the stroke shows, then a second later.
early="$LUMORA_WINE_DIR/documents_play_early.png"
n_early=0
for i in $(seq 1 40); do
    lumora_screenshot "$early"
    n_early=$(overlay_count "$early" 760x16+170+292 "#FF0000")
    [ "$n_early" -ge 20 ] && break
    sleep 0.3
done
[ "$n_early" -ge 20 ] || fail "the first stroke was never drawn ($early)"
sleep 1
late="$LUMORA_WINE_DIR/documents_play_late.png"
lumora_screenshot "$late"
n_late=$(overlay_count "$late" 760x16+170+292 "#FF0000")
[ "$n_late" -gt $((n_early + 50)) ] || fail "the stroke did not grow: $n_early then $n_late red pixels ($early, $late)"
echo "playback: the stroke grows from $n_early to $n_late red pixels"
wait_stopped 200 || fail "the playback did not stop by itself"
shot="$LUMORA_WINE_DIR/documents_play_end.png"
lumora_screenshot "$shot"
# The white board picks black ink.
second=$(overlay_count "$shot" 380x16+310+492 "#000000")
[ "$second" -ge 1000 ] || fail "the white board's stroke was not played ($second black pixels, $shot)"
white=$(overlay_count "$shot" 380x100+310+600 "#FFFFFF")
[ "$white" -ge 37000 ] || fail "the white board was not played white ($white, $shot)"
echo "playback stopped by itself on the white board's stroke ($second black pixels)"

# Saved through the player's save dialog, opened again through its open dialog.
player_command $IDC_PLAYER_SAVE
winprobe find "#32770" "Save As" 10000 >/dev/null || fail "no save dialog"
sleep 0.5
winprobe type "#32770" "Save As" "$rec_win" || fail "cannot type into the save dialog"
winprobe key "#32770" "Save As" $VK_RETURN
winprobe gone "#32770" "Save As" 10000 || fail "the save dialog stayed"
# Wine's dialog may give the default extension in its own case.
rec=
for i in $(seq 1 50); do
    rec=$(find "$public" -maxdepth 1 -iname e2e_lesson.lmz | head -n 1)
    [ -n "$rec" ] && [ -s "$rec" ] && break
    sleep 0.1
done
[ -n "$rec" ] && [ -s "$rec" ] || fail "the recording was not saved as $rec_win.Lmz"
[ ! -e "$rec.saving" ] || fail "the save left its side file"
size=$(stat -c %s "$rec")
player_command $IDC_PLAYER_OPEN
winprobe find "#32770" Open 10000 >/dev/null || fail "no open dialog in the player"
sleep 0.5
winprobe type "#32770" Open "$rec_win.Lmz"
winprobe key "#32770" Open $VK_RETURN
winprobe gone "#32770" Open 10000 || fail "the player's open dialog stayed"
sleep 0.5
winprobe find "#32770" Lumora 500 >/dev/null && fail "opening the saved recording failed: $(winprobe answer Lumora 1)"
player_command $IDC_PLAY
sleep 0.5
winprobe enabled "#32770" "$PLAYER" $IDC_PLAY && fail "the reopened recording does not play"
# Closing during playback: the player goes at once and the overlay returns.
player_command $IDC_PLAYER_CLOSE
for i in $(seq 1 20); do player_visible || break; sleep 0.1; done
player_visible && fail "the player stayed up after its close button during playback"
overlay_wait_shown || fail "the overlay did not come back after the player"
echo "saved ($size bytes), reopened and closed during playback"
overlay_stop

# --- a recording on the command line plays at once ---
vexo_start "$rec_win.Lmz"
for i in $(seq 1 50); do player_visible && break; sleep 0.1; done
player_visible || fail "a recording on the command line did not show the player"
sleep 0.5
winprobe enabled "#32770" "$PLAYER" $IDC_PLAY && fail "a recording on the command line did not play at once"
wait_stopped 200 || fail "the command-line recording did not stop by itself"
# Leaving Vexo during playback ends the player's threads with it.
player_command $IDC_PLAY
sleep 0.5
winprobe post LUMORA - $WM_TOOLBAR_COMMAND 23 0
overlay_answer "Close Lumora" 6 >/dev/null || fail "Exit during playback did not ask"
winprobe gone LUMORA - 10000 || fail "Vexo did not end during playback"
wait "$OVERLAY_VEXO_PID" 2>/dev/null || true
OVERLAY_VEXO_PID=
echo "a command-line recording plays at once; Exit during playback ends Vexo"

# --- the compact style proposes dated names and counts them up ---
VEXO_STYLE=1 vexo_start
winprobe post LUMORA - $WM_COMMAND $IDC_PLAYER 0
for i in $(seq 1 50); do player_visible && break; sleep 0.1; done
player_visible || fail "the compact style's player did not show"
for n in 1 2; do
    player_command $IDC_PLAYER_SAVE
    winprobe find "#32770" "Save As" 10000 >/dev/null || fail "no save dialog in the compact style"
    sleep 0.5
    winprobe key "#32770" "Save As" $VK_RETURN
    winprobe gone "#32770" "Save As" 10000 || fail "the compact style's save dialog stayed"
    sleep 0.5
    [ -n "$(find "$LUMORA_C" -iname "$prefix$n.lmz")" ] || fail "the proposal was not $prefix$n"
    grep -q "^DefaultFileName=$prefix$n" "$LUMORA_COMMON_APPDATA/Vexo.ini" || fail "the name $prefix$n was not stored"
done
shot="$LUMORA_WINE_DIR/documents_compact_player.png"
lumora_screenshot "$shot"
overlay_stop
echo "compact style: proposed and stored $prefix""1, then $prefix""2"
echo "PASS: documents open from the command line and the dialog, damaged ones are refused; recordings play, grow, stop, save, open and play from the command line"
