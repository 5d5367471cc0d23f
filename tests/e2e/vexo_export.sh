#!/usr/bin/env bash
# Save and Mail from the strip, as a presenter uses them: with ink on the
# screen, Save to a .jpg writes a JPEG that shows the ink; a name ending in
# capitals saves nothing and says so; Mail leaves a message whose attached
# JPEG shows the ink, the temporary picture is gone and the overlay and the pen
# are back; with the mail program missing nothing is mailed and everything
# comes back all the same.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env
source "$(dirname "$0")/overlay_lib.sh"
export LUMORA_POSTERLY_SILENT=1

SAVE_X=653
MAIL_X=628
FILE_NAME_CONTROL=1148  # the file dialog's name box
IDOK=1
posterly="$LUMORA_PROGRAM_DIR/Posterly.exe"
SAVE_DIALOG="Save As"
IDCANCEL=2
# A save dialog still up would hold the strip in its modal loop.
trap '[ -f "$posterly.away" ] && mv "$posterly.away" "$posterly"
      winprobe answer "$SAVE_DIALOG" $IDCANCEL 0 >/dev/null 2>&1 || true
      overlay_stop' EXIT


# Saves through the dialog under the Windows path $1.
save_as() {
    strip_click $SAVE_X
    winprobe find "#32770" "$SAVE_DIALOG" 15000 >/dev/null || fail "Save showed no dialog"
    sleep 0.5
    winprobe settext "#32770" "$SAVE_DIALOG" $FILE_NAME_CONTROL "$1" || fail "the save dialog has no name box"
    winprobe answer "$SAVE_DIALOG" $IDOK 5000 >/dev/null || fail "cannot press Save"
}

red_in() { overlay_count "$1" 300x30+310+285 "#FF0000"; }

work="$LUMORA_C/export"
rm -rf "$work" && mkdir -p "$work"
# The user's documents folder is a link into the Unix home under Wine.
find_mails() { find -L "$LUMORA_C/users" -maxdepth 3 -type d -name "Lumora Mail" 2>/dev/null | head -n 1; }
mails=$(find_mails)
count_mail() { [ -n "$mails" ] && find "$mails/" -name '*.eml' | wc -l || echo 0; }
temp_folder=$(winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')" 2>/dev/null)
[ -d "$temp_folder" ] || fail "no temporary folder ($temp_folder)"
rm -f "$temp_folder"/pp*.tmp
temps() { find "$temp_folder" -maxdepth 1 -iname 'pp*.tmp' | wc -l; }

overlay_start 0
overlay_command 39 46 36  # pen, width 5, red
overlay_wait_shown || fail "the pen did not show the overlay"
overlay_drag 300 620 300

# --- Save as a JPEG ---
save_as 'C:\export\page.jpg'
for _ in $(seq 1 50); do [ -s "$work/page.jpg" ] && break; sleep 0.2; done
[ -s "$work/page.jpg" ] || fail "Save wrote no picture"
[ "$(identify -format %m "$work/page.jpg")" = JPEG ] || fail "page.jpg is not a JPEG"
convert "$work/page.jpg" "$work/page.png"
red=$(red_in "$work/page.png")
[ "$red" -ge 200 ] || fail "the saved picture shows $red red pixels along the ink ($work/page.png)"
overlay_wait_shown || fail "the overlay did not come back after Save"
echo "Save: page.jpg is a JPEG showing the ink ($red red pixels)"

# --- the same ink saved as a document and opened again on another page ---
save_as 'C:\export\notes.flmz'
for _ in $(seq 1 50); do [ -s "$work/notes.flmz" ] && break; sleep 0.2; done
[ -s "$work/notes.flmz" ] || fail "Save wrote no document"
overlay_wait_shown || fail "the overlay did not come back after saving the document"
overlay_command 48  # the white board: a page of its own, empty
sleep 2
board="$LUMORA_WINE_DIR/export_board_before.png"
overlay_shot "$board"
[ "$(red_in "$board")" -lt 20 ] || fail "the white board already shows the ink ($board)"
winprobe post LUMORA - 0x111 1080 0  # the open-document button
winprobe find "#32770" Open 10000 >/dev/null || fail "no open dialog"
sleep 0.5
winprobe settext "#32770" Open $FILE_NAME_CONTROL 'C:\export\notes.flmz' || fail "the open dialog has no name box"
winprobe answer Open $IDOK 5000 >/dev/null || fail "cannot press Open"
winprobe gone "#32770" Open 10000 || fail "the open dialog stayed"
board="$LUMORA_WINE_DIR/export_board_opened.png"
for _ in $(seq 1 5); do
    overlay_shot "$board"
    red=$(red_in "$board")
    [ "$red" -ge 250 ] && break
done
[ "$red" -ge 250 ] || fail "the document opened on the white board shows $red red pixels ($board)"
overlay_command 47 36  # back to the slide screen and its ink, red again
echo "Save as notes.flmz and Open on the white board: the same stroke ($red red pixels)"

# --- a name in capitals saves nothing, and says so ---
save_as 'C:\export\Notes.JPG'
text=$(overlay_answer "Save As Jpg File" $IDOK) || fail "a refused name was not reported"
case "$text" in *"Nothing was saved"*) ;; *) fail "the report says \"$text\"" ;; esac
[ ! -e "$work/Notes.JPG" ] || fail "Notes.JPG was written"
overlay_wait_shown || fail "the overlay did not come back after a refused save"
echo "Save as Notes.JPG: nothing written, the user is told"

# --- Mail ---
before=$(count_mail)
strip_click $MAIL_X
for _ in $(seq 1 100); do
    mails=$(find_mails)
    [ "$(count_mail)" -gt "$before" ] && break
    sleep 0.2
done
[ "$(count_mail)" -gt "$before" ] || fail "Mail left no message"
eml=$(ls -t "$mails"/*.eml | head -n 1)
python3 - "$eml" "$work/mailed.jpg" <<'PY' || fail "the message does not read back ($eml)"
import email, email.policy, sys
msg = email.message_from_binary_file(open(sys.argv[1], 'rb'), policy=email.policy.default)
assert msg['Subject'] == 'Lumora', msg['Subject']
parts = list(msg.iter_attachments())
assert len(parts) == 1 and parts[0].get_content_type() == 'image/jpeg', parts
assert parts[0].get_filename() == 'Lumora.jpg', parts[0].get_filename()
open(sys.argv[2], 'wb').write(parts[0].get_content())
PY
convert "$work/mailed.jpg" "$work/mailed.png"
red=$(red_in "$work/mailed.png")
[ "$red" -ge 200 ] || fail "the mailed picture shows $red red pixels along the ink ($work/mailed.png)"
overlay_wait_shown || fail "the overlay did not come back after Mail"
for _ in $(seq 1 25); do [ "$(temps)" = 0 ] && break; sleep 0.2; done
[ "$(temps)" = 0 ] || fail "the temporary picture was left behind"
# The pen works again: a stroke lower down.
overlay_drag 300 620 600
shot="$LUMORA_WINE_DIR/export_after_mail.png"
overlay_shot "$shot"
[ "$(overlay_count "$shot" 300x30+310+585 "#FF0000")" -ge 250 ] || fail "the pen does not draw after Mail ($shot)"
echo "Mail: the message carries the inked picture, the temporary file is gone, overlay and pen are back"

# --- Mail without the mail program ---
mv "$posterly" "$posterly.away"
before=$(count_mail)
strip_click $MAIL_X
sleep 3
overlay_wait_shown || fail "the overlay did not come back when the mail program is missing"
[ "$(count_mail)" = "$before" ] || fail "a message appeared without the mail program"
[ "$(temps)" = 0 ] || fail "the temporary picture was left behind without the mail program"
mv "$posterly.away" "$posterly"
overlay_drag 300 620 700
shot="$LUMORA_WINE_DIR/export_no_mailer.png"
overlay_shot "$shot"
[ "$(overlay_count "$shot" 300x30+310+685 "#FF0000")" -ge 250 ] || fail "the pen does not draw after a failed Mail ($shot)"
overlay_stop
echo "PASS: Save writes the inked page as a JPEG, refuses other extensions aloud; Mail mails it and restores everything"
