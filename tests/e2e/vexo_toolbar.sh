#!/usr/bin/env bash
# The toolbar strip as a presenter uses it: docked at the bottom at full
# width, 28 pixels high (34 for the large strip); the pen button and a drag
# draw; posted commands show and hide the overlay; Esc never closes the strip;
# during a running show Page Down moves to the next slide and its own page of
# ink, Page Up brings the first slide's ink back; Exit asks and closes.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env
source "$(dirname "$0")/overlay_lib.sh"

VK_ESCAPE=0x1B
VK_PRIOR=0x21
VK_NEXT=0x22
IDC_PAGE_DOWN=1004
IDC_END_SHOW=1005
SHOW_QUERY=0x8151  # the show stand-in's query message; wParam 1: the current slide
show_pid=

# Waits up to 8 s for the show to reach slide $1 (under Wine hiding the
# just-shown overlay for the page switch takes up to 2 s).
wait_slide() {
    local i slide=
    for i in $(seq 1 40); do
        slide=$(winprobe send SlideShowScreen - $SHOW_QUERY 1 0) || true
        [ "$slide" = "$1" ] && { sleep 1; return 0; }
        sleep 0.2
    done
    echo "$slide"
    return 1
}

stop_show() {
    [ -n "$show_pid" ] || return 0
    winprobe close SlideShowScreen - >/dev/null 2>&1 || true
    wait "$show_pid" 2>/dev/null || true
    show_pid=
}
trap 'stop_show; overlay_stop' EXIT

screen_w=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1] }')
screen_h=$(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[2] }')


# --- docking, both strips ---
for style in 0 2; do
    want=$([ "$style" = 0 ] && echo 28 || echo 34)
    overlay_start 0
    if [ "$style" = 2 ]; then
        overlay_stop
        sed -i "s/^Style=.*/Style=2/" "$LUMORA_COMMON_APPDATA/Vexo.ini"
        wine "$LUMORA_PROGRAM_DIR/Vexo.exe" >/dev/null 2>&1 &
        OVERLAY_VEXO_PID=$!
        winprobe find LUMORA - 20000 >/dev/null || fail "the large strip did not start"
    fi
    sleep 1
    read -r left top right bottom < <(winprobe rect LUMORA -)
    [ "$left" -eq 0 ] && [ "$right" -eq "$screen_w" ] && [ "$bottom" -eq "$screen_h" ] \
        || fail "Style $style: the strip is at $left $top $right $bottom, not along the bottom"
    [ $((bottom - top)) -eq "$want" ] || fail "Style $style: the strip is $((bottom - top)) pixels high, not $want"
    winprobe enabled LUMORA - $IDC_END_SHOW && fail "Style $style: End Slide Show is enabled without a show"
    lumora_screenshot "$LUMORA_WINE_DIR/toolbar_style$style.png"
    overlay_stop
    echo "Style $style: docked at the bottom, $want pixels high"
done

# --- the pen button draws; posted commands show and hide the overlay; Esc ---
overlay_start 0
strip_click 473  # the pen
sleep 0.7
overlay_wait_shown || fail "the pen button did not show the overlay"
overlay_drag 300 620 300
shot="$LUMORA_WINE_DIR/toolbar_pen.png"
overlay_shot "$shot"
blue=$(overlay_count "$shot" 300x30+310+285 "#0000FF")
[ "$blue" -ge 250 ] || fail "$blue blue pixels along the drag after the pen button ($shot)"
overlay_command 44
winprobe visible MyWnd && fail "command 44 (arrow) left the overlay shown"
overlay_command 39
overlay_wait_shown || fail "command 39 (pen) did not show the overlay"
winprobe key LUMORA - $VK_ESCAPE || fail "cannot type Esc"
sleep 1
winprobe find LUMORA - >/dev/null || fail "Esc closed the toolbar"
echo "the pen button draws ($blue blue pixels); 44 hides and 39 shows the overlay; Esc keeps the strip"

# --- Exit asks; No keeps Vexo, Yes closes it ---
overlay_command 44
strip_click 762
sleep 0.7
text=$(overlay_answer "Close Lumora" 7) || fail "Exit did not ask \"Close Lumora\""
[ "$text" = "Are you sure?" ] || fail "Exit asked \"$text\""
winprobe find LUMORA - >/dev/null || fail "answering No closed Vexo"
strip_click 762
sleep 0.7
overlay_answer "Close Lumora" 6 >/dev/null || fail "Exit did not ask again"
winprobe gone LUMORA - 10000 || fail "answering Yes did not close Vexo"
wait "$OVERLAY_VEXO_PID" 2>/dev/null || true
OVERLAY_VEXO_PID=
echo "Exit asks: No keeps Vexo, Yes closes it"

# --- a running show: pages follow the slides ---
wine "C:\\Program Files\\SlideShow\\SlideShow.exe" /slides:5 >/dev/null 2>&1 &
show_pid=$!
winprobe find SlideShowScreen - 20000 >/dev/null || fail "the slide show did not start"
overlay_start 0
for i in $(seq 1 50); do
    winprobe enabled LUMORA - $IDC_END_SHOW && break
    sleep 0.2
done
winprobe enabled LUMORA - $IDC_PAGE_DOWN || fail "the page buttons stayed disabled during the show"
winprobe enabled LUMORA - $IDC_END_SHOW || fail "End Slide Show stayed disabled during the show"
read -r left top right bottom < <(winprobe rect LUMORA -)
[ "$bottom" -eq "$screen_h" ] && [ "$right" -eq "$screen_w" ] && [ $((bottom - top)) -eq 28 ] \
    || fail "the strip is at $left $top $right $bottom during the show, not along the screen bottom"

overlay_command 39 36  # pen, red
overlay_wait_shown || fail "the pen did not show the overlay over the show"
overlay_drag 300 620 300
first="$LUMORA_WINE_DIR/toolbar_slide1.png"
overlay_shot "$first"
red=$(overlay_count "$first" 300x30+310+285 "#FF0000")
[ "$red" -ge 250 ] || fail "$red red pixels on the first slide ($first)"

winprobe key LUMORA - $VK_NEXT || fail "cannot type Page Down"
slide=$(wait_slide 2) || fail "Page Down left the show on slide $slide"
second="$LUMORA_WINE_DIR/toolbar_slide2.png"
# The overlay shows the new slide's page once it is shown again; under load
# that can take a few seconds.
for _ in $(seq 1 8); do
    overlay_shot "$second"
    red=$(overlay_count "$second" 300x30+310+285 "#FF0000")
    [ "$red" -eq 0 ] && break
done
[ "$red" -eq 0 ] || fail "the second slide shows the first slide's ink ($second)"

winprobe key LUMORA - $VK_PRIOR || fail "cannot type Page Up"
slide=$(wait_slide 1) || fail "Page Up left the show on slide $slide"
back="$LUMORA_WINE_DIR/toolbar_slide1_again.png"
for _ in $(seq 1 8); do
    overlay_shot "$back"
    red=$(overlay_count "$back" 300x30+310+285 "#FF0000")
    [ "$red" -ge 250 ] && break
done
[ "$red" -ge 250 ] || fail "the first slide's ink did not come back ($back)"
echo "during the show Page Down pages to slide 2 and its own page; Page Up brings slide 1's ink back"
overlay_stop
stop_show
echo "PASS: the strip docks, draws, pages with the show, keeps Esc from closing it and asks before closing"
