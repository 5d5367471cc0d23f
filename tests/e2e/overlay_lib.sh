# Helpers of the overlay scenarios: start Vexo with a given TRANSPARENT,
# choose tools with toolbar commands, drag the mouse, read screenshots.
# Sourced after tools/wine-env.sh and lumora_wine_env.

OVERLAY_CONVERT=/usr/bin/convert
WM_TOOLBAR_COMMAND=0x464

fail() { echo "FAIL: $*" >&2; overlay_stop; exit 1; }

# Starts Vexo from a fresh settings file with TRANSPARENT=$1.
overlay_start() {
    local settings="$LUMORA_COMMON_APPDATA/Vexo.ini"
    winprobe gone LUMORA - 10000 || fail "an earlier Vexo is still running"
    cp "$LUMORA_PROGRAM_DIR/Vexo.ini" "$settings"
    sed -i "s/^TRANSPARENT=.*/TRANSPARENT=$1/" "$settings"
    wine "$LUMORA_PROGRAM_DIR/Vexo.exe" >/dev/null 2>&1 &
    OVERLAY_VEXO_PID=$!
    winprobe find LUMORA - 20000 >/dev/null || fail "Vexo did not start"
    winprobe find MyWnd - 10000 >/dev/null || fail "no overlay window"
}

overlay_stop() {
    [ -n "${OVERLAY_VEXO_PID:-}" ] || return 0
    # A question still up would hold the toolbar in its modal loop.
    winprobe answer "Erase All" 7 0 >/dev/null 2>&1 || true
    winprobe close LUMORA - >/dev/null 2>&1 || true
    winprobe gone LUMORA - 10000 >/dev/null 2>&1 || true
    wait "$OVERLAY_VEXO_PID" 2>/dev/null || true
    OVERLAY_VEXO_PID=
}

# Toolbar command codes, in order.
overlay_command() {
    local code
    for code in "$@"; do
        winprobe post LUMORA - $WM_TOOLBAR_COMMAND "$code" 0 || fail "cannot post command $code"
    done
    sleep 0.5
}

# Waits up to 10 s for the overlay to be shown.
overlay_wait_shown() {
    local i
    for i in $(seq 1 100); do
        winprobe visible MyWnd && { sleep 0.5; return 0; }
        sleep 0.1
    done
    return 1
}

# Answers the message box captioned $1 with button $2 and waits for it to
# go; prints the box's text.
overlay_answer() {
    winprobe answer "$1" "$2" 10000 || return 1
    winprobe gone "#32770" "$1" 5000 || return 1
    sleep 0.3
}

# A left-button drag along a horizontal line from x1 to x2 at y, in steps.
overlay_drag() {
    local x1=$1 x2=$2 y=$3 x
    xdotool mousemove "$x1" "$y"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    for ((x = x1; x <= x2; x += 8)); do
        xdotool mousemove "$x" "$y"
        sleep 0.02
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}

# Clicks the strip's button whose left edge is at x $1 (the classic strip's
# buttons sit 4 pixels below its top); the pointer rests on it first, as a
# hand's would.
strip_click() {
    local top
    top=$(winprobe rect LUMORA - | awk '{ print $2 }')
    xdotool mousemove "$(($1 + 11))" "$((top + 15))"
    sleep 0.3
    xdotool click 1
}

overlay_shot() {
    sleep 0.5
    lumora_screenshot "$1" || fail "no screenshot"
}

# "r,g,b" of one pixel.
overlay_pixel() {
    "$OVERLAY_CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}

# How many pixels of a WxH+X+Y area are near a colour (#RRGGBB): within a
# quarter of full scale, summed over the three channels.
overlay_count() {
    local hex=${3#\#}
    local r=$((16#${hex:0:2})) g=$((16#${hex:2:2})) b=$((16#${hex:4:2}))
    "$OVERLAY_CONVERT" "$1" -crop "$2" +repage \
        -fx "abs(r-$r/255)+abs(g-$g/255)+abs(b-$b/255) < 0.75 ? 1 : 0" \
        -format "%[fx:int(mean*w*h+0.5)]" info:
}
