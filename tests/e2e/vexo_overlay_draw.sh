#!/usr/bin/env bash
# The pen draws on the overlay: a mouse drag (the WinTab stand-in takes the
# mouse as the pen) leaves ink of the chosen colour where it went, with the
# transparent overlay and with the opaque one that shows a capture of the
# screen; and a replayed brush stroke whose pressure rises widens as it goes.
set -euo pipefail
source "$(dirname "$0")/../../tools/wine-env.sh"
lumora_wine_env
source "$(dirname "$0")/overlay_lib.sh"

for transparent in 0 1; do
    overlay_start "$transparent"
    # Pen, width 5, red.
    overlay_command 39 46 36
    overlay_wait_shown || fail "TRANSPARENT=$transparent: the pen tool did not show the overlay"
    overlay_drag 300 620 300
    shot="$LUMORA_WINE_DIR/overlay_draw_t$transparent.png"
    overlay_shot "$shot"
    red=$(overlay_count "$shot" 300x30+310+285 "#FF0000")
    [ "$red" -ge 250 ] || fail "TRANSPARENT=$transparent: $red red pixels along the drag ($shot)"
    away=$(overlay_count "$shot" 300x30+310+400 "#FF0000")
    [ "$away" -eq 0 ] || fail "TRANSPARENT=$transparent: $away red pixels away from the drag ($shot)"
    overlay_stop
    echo "TRANSPARENT=$transparent: $red red pixels along the drag"
done

# A brush stroke from a replay file, the pressure rising from left to right.
# The pen only draws while the system button is down on the overlay, as a
# tablet's tip gives it: the mouse holds it down (and is no pen meanwhile).
replay="$LUMORA_C/brush_replay.txt"
rm -f "$replay"
export LUMORA_WINTAB_REPLAY='C:\brush_replay.txt' LUMORA_WINTAB_MOUSE=0
overlay_start 0
overlay_command 40 46 36
overlay_wait_shown || fail "the brush tool did not show the overlay"
xdotool mousemove 900 800 mousedown 1
sleep 0.3
{
    for i in $(seq 0 100); do
        echo "$((i * 5)) 1 1 $((300 + i * 4)) 500 $((40 + i * 10))"
    done
    echo "510 1 0 700 500 0"
} > "$replay.tmp"
mv "$replay.tmp" "$replay"
sleep 2
xdotool mouseup 1
shot="$LUMORA_WINE_DIR/overlay_replay_brush.png"
overlay_shot "$shot"
overlay_stop
unset LUMORA_WINTAB_REPLAY LUMORA_WINTAB_MOUSE
# The stroke's height in red pixels near its start and near its end.
thin=$(overlay_count "$shot" 1x80+340+460 "#FF0000")
thick=$(overlay_count "$shot" 1x80+660+460 "#FF0000")
[ "$thin" -ge 1 ] || fail "no brush ink near the start of the replayed stroke ($shot)"
[ "$thick" -ge $((thin * 3)) ] || fail "the brush did not widen: $thin px at the start, $thick px at the end ($shot)"
echo "replayed brush: $thin px high at the start, $thick px at the end"
echo "PASS: a mouse drag inks the overlay in both compositing modes; a replayed brush stroke widens with pressure"
