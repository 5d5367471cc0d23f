#!/usr/bin/env bash
# Pages of the overlay: ink drawn on a white board is gone from the screen
# after the wheel moves on to the next board and back after it moves back;
# erase-all asks first, keeps the ink when answered No and empties the page
# when answered Yes.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env
source "$(dirname "$0")/overlay_lib.sh"

ink_on() {  # black pixels along the drawn line
    overlay_count "$1" 300x30+310+285 "#000000"
}
# Takes screenshots into $1 until the ink along the line is gone, for up
# to 8 s: the cover window's flash after erase-all takes Wine 2 s when no
# window manager answers its hiding.
shot_until_no_ink() {
    local i
    for i in $(seq 1 8); do
        overlay_shot "$1"
        [ "$(ink_on "$1")" -eq 0 ] && return 0
    done
    return 1
}
white_at() {
    [ "$(overlay_pixel "$1" 900 700)" = "255,255,255" ]
}

overlay_start 0
# White board (the ink turns black), then the pen at width 5.
overlay_command 48 39 46
overlay_wait_shown || fail "the pen tool did not show the overlay"
overlay_drag 300 620 300
shot="$LUMORA_WINE_DIR/overlay_board1.png"
overlay_shot "$shot"
white_at "$shot" || fail "the white board is not white ($shot)"
[ "$(ink_on "$shot")" -ge 250 ] || fail "no ink on white board 1 ($shot)"

# The wheel turned toward the user pages forward: white board 2, empty.
xdotool mousemove 900 700 click 5
shot="$LUMORA_WINE_DIR/overlay_board2.png"
overlay_shot "$shot"
white_at "$shot" || fail "white board 2 is not white ($shot)"
[ "$(ink_on "$shot")" -eq 0 ] || fail "board 1's ink shows on board 2 ($shot)"
# And back: board 1 with its ink.
xdotool click 4
shot="$LUMORA_WINE_DIR/overlay_board1_again.png"
overlay_shot "$shot"
[ "$(ink_on "$shot")" -ge 250 ] || fail "board 1 lost its ink ($shot)"

# Erase all, answered No: the ink stays.
overlay_command 43
text=$(overlay_answer "Erase All" 7) || fail "no Erase All box"
[ "$text" = "Are you sure you want to erase all lines in this page?" ] || fail "box text '$text'"
shot="$LUMORA_WINE_DIR/overlay_erase_no.png"
sleep 2.5  # as long as a Yes takes to show its effect
overlay_shot "$shot"
[ "$(ink_on "$shot")" -ge 250 ] || fail "No erased the ink ($shot)"

# Answered Yes: the page is empty, and a second erase-all asks nothing.
overlay_command 43
overlay_answer "Erase All" 6 >/dev/null || fail "no Erase All box"
shot="$LUMORA_WINE_DIR/overlay_erase_yes.png"
shot_until_no_ink "$shot" || fail "Yes left ink ($shot)"
overlay_command 43
if winprobe find "#32770" "Erase All" 1500 >/dev/null; then
    fail "erase-all on an empty page asked"
fi
overlay_stop
echo "PASS: wheel paging moves between boards, erase-all keeps ink on No and empties the page on Yes"
