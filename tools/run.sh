#!/usr/bin/env bash
# Installs what is missing, builds Lumora and runs Vexo under Wine, installed
# in a private Wine prefix. With a display, Vexo runs until you close it.
# Headless, a short scripted session runs and prints where its screenshot and
# files are.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMORA_BUILD_DIR:-$root/build}
headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then headless=1; fi

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" -j2
[ $headless = 1 ] && unset DISPLAY

source "$root/tools/wine-env.sh"
lumora_setup "$build/win"
# Leave nothing of ours behind, but keep a Wine that was running before.
trap 'lumora_stop_own "$build/win"' EXIT

if [ $headless = 0 ]; then
    wine "$LUMORA_PROGRAM_DIR/Vexo.exe"
    exit 0
fi

session="$build/session"
mkdir -p "$session"
# The scripted session: a five-slide show runs, Vexo follows it, the pen
# button is chosen and draws on the first slide, Page Down moves the show on
# and the pen draws on the second slide's own page.
wine "C:\\Program Files\\SlideShow\\SlideShow.exe" /slides:5 >/dev/null 2>&1 &
show=$!
winprobe find SlideShowScreen - 20000 >/dev/null || { echo "the slide show did not start" >&2; exit 1; }
wine "$LUMORA_PROGRAM_DIR/Vexo.exe" >/dev/null 2>&1 &
vexo=$!
end_vexo() {
    winprobe close LUMORA - >/dev/null 2>&1 || true
    winprobe gone LUMORA - 10000 >/dev/null 2>&1 || kill "$vexo" 2>/dev/null || true
    wait "$vexo" 2>/dev/null || true
    winprobe close SlideShowScreen - >/dev/null 2>&1 || true
    wait "$show" 2>/dev/null || true
}
title=$(winprobe find LUMORA - 20000) || { echo "Vexo did not show its toolbar" >&2; end_vexo; exit 1; }
# The strip enables End Slide Show once its poll has seen the show.
for _ in $(seq 1 50); do winprobe enabled LUMORA - 1005 && break; sleep 0.2; done
drag() {  # a pen stroke with the mouse, from ($1,$2) by ($3,$4) in 24 steps
    xdotool mousemove "$1" "$2"; sleep 0.2; xdotool mousedown 1
    for i in $(seq 1 24); do xdotool mousemove $(($1 + $3 * i / 24)) $(($2 + $4 * i / 24)); sleep 0.02; done
    sleep 0.2; xdotool mouseup 1; sleep 0.5
}
read -r _ top _ _ < <(winprobe rect LUMORA -)
xdotool mousemove 484 $((top + 15)); sleep 0.3; xdotool click 1; sleep 1   # the pen button
drag 260 620 240 -60
winprobe key LUMORA - 0x22   # Page Down
for _ in $(seq 1 40); do [ "$(winprobe send SlideShowScreen - 0x8151 1 0)" = 2 ] && break; sleep 0.2; done
sleep 1
drag 700 250 300 80
lumora_screenshot "$session/vexo.png"
cp "$LUMORA_COMMON_APPDATA/Vexo.ini" "$session/Vexo.ini"
end_vexo
echo "Vexo ran under Wine with its toolbar \"$title\" over a slide show: the pen drew on slide 1, Page Down moved to slide 2 and the pen drew there."
echo "Screenshot:    $session/vexo.png"
echo "Settings file: $session/Vexo.ini (C:\\ProgramData\\Vexo.ini in $WINEPREFIX)"
