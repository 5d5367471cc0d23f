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
wine "$LUMORA_PROGRAM_DIR/Vexo.exe" >/dev/null 2>&1 &
vexo=$!
end_vexo() {
    winprobe close LUMORA - >/dev/null 2>&1 || true
    winprobe gone LUMORA - 10000 >/dev/null 2>&1 || kill "$vexo" 2>/dev/null || true
    wait "$vexo" 2>/dev/null || true
}
title=$(winprobe find LUMORA - 20000) || { echo "Vexo did not show its toolbar" >&2; end_vexo; exit 1; }
sleep 1
lumora_screenshot "$session/vexo.png"
cp "$LUMORA_COMMON_APPDATA/Vexo.ini" "$session/Vexo.ini"
end_vexo
echo "Vexo ran under Wine with its toolbar \"$title\"."
echo "Screenshot:    $session/vexo.png"
echo "Settings file: $session/Vexo.ini (C:\\ProgramData\\Vexo.ini in $WINEPREFIX)"
