#!/usr/bin/env bash
# The Wine environment of the Windows build: a private prefix inside the build
# tree laid out like an installation, a persistent wineserver, and Xvfb when
# there is no display.
#
#   tools/wine-env.sh setup <win-build-dir>   create/refresh the prefix, start X and wineserver
#   tools/wine-env.sh stop [<win-build-dir>]  stop wineserver and our Xvfb
#   source tools/wine-env.sh; lumora_wine_env [<win-build-dir>]   export WINEPREFIX, DISPLAY, ...
#
# The build directory comes from the argument, else $LUMORA_WIN_BUILD, else build/win.

LUMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

lumora_wine_env() {
    export LUMORA_WIN_BUILD=$(cd "${1:-${LUMORA_WIN_BUILD:-$LUMORA_ROOT/build/win}}" 2>/dev/null && pwd || echo "${1:-$LUMORA_ROOT/build/win}")
    export LUMORA_WINE_DIR=$LUMORA_WIN_BUILD/wine
    export WINEPREFIX=$LUMORA_WINE_DIR/prefix
    export WINEARCH=win64
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono/Gecko install prompts; our stand-ins before Wine's own libraries.
    export WINEDLLOVERRIDES="mscoree,mshtml=;wintab32=n,b"
    if [ -f "$LUMORA_WINE_DIR/display" ]; then
        export DISPLAY=$(cat "$LUMORA_WINE_DIR/display")
    fi
    # Windows paths of the installation, as Unix paths.
    export LUMORA_C="$WINEPREFIX/drive_c"
    export LUMORA_PROGRAM_DIR="$LUMORA_C/Program Files/Lumora"
    export LUMORA_SYSTEM_DIR="$LUMORA_C/windows/system32"
    export LUMORA_WINDOWS_DIR="$LUMORA_C/windows"
    export LUMORA_COMMON_APPDATA="$LUMORA_C/ProgramData"
}

lumora_display_alive() {
    [ -n "${1:-}" ] && xdpyinfo -display "$1" >/dev/null 2>&1
}

# True when a wineserver serves this prefix already. A server started by wine
# inherits its WINEPREFIX, which tells one prefix's server from another's.
lumora_wineserver_running() {
    local pid
    for pid in $(pgrep -x 'wineserver(64)?' 2>/dev/null); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}

lumora_start_x() {
    LUMORA_STARTED_X=0
    if [ -f "$LUMORA_WINE_DIR/display" ] && lumora_display_alive "$(cat "$LUMORA_WINE_DIR/display")"; then
        return 0
    fi
    if [ -n "${DISPLAY:-}" ] && [ ! -f "$LUMORA_WINE_DIR/xvfb.pid" ] && lumora_display_alive "$DISPLAY"; then
        echo "$DISPLAY" > "$LUMORA_WINE_DIR/display"
        return 0
    fi
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    echo $! > "$LUMORA_WINE_DIR/xvfb.pid"
    LUMORA_STARTED_X=1
    for _ in $(seq 1 100); do
        lumora_display_alive ":$n" && break
        sleep 0.1
    done
    echo ":$n" > "$LUMORA_WINE_DIR/display"
    export DISPLAY=":$n"
}

# Copies a build output into the prefix when it was built.
lumora_install() {
    local from=$1 to=$2
    if [ -f "$from" ]; then
        mkdir -p "$(dirname "$to")"
        cp -f "$from" "$to"
    fi
}

# What an installation leaves on the machine. Later parts add their files here.
lumora_install_layout() {
    local b=$LUMORA_WIN_BUILD
    mkdir -p "$LUMORA_PROGRAM_DIR" "$LUMORA_COMMON_APPDATA"
    lumora_install "$b/vexo/Vexo.exe" "$LUMORA_PROGRAM_DIR/Vexo.exe"
    lumora_install "$LUMORA_ROOT/vexo/resources/Vexo.ini" "$LUMORA_PROGRAM_DIR/Vexo.ini"
    lumora_install "$b/standins/wintab32/wintab32.dll" "$LUMORA_SYSTEM_DIR/wintab32.dll"
    # The slide-show library: beside Vexo.exe, which links it at load time, and
    # in the system folder, where Tessar's LoadLibrary("QUILLET.DLL") finds it
    # from wherever Tessar is installed. The presentation program it drives.
    lumora_install "$b/standins/quillet/quillet.dll" "$LUMORA_PROGRAM_DIR/quillet.dll"
    lumora_install "$b/standins/quillet/quillet.dll" "$LUMORA_SYSTEM_DIR/quillet.dll"
    lumora_install "$b/standins/slideshow/SlideShow.exe" "$LUMORA_C/Program Files/SlideShow/SlideShow.exe"
    lumora_install "$b/tessar/Tessar.exe" "$LUMORA_PROGRAM_DIR/Tessar.exe"
    # The mail program Vexo hands its pictures to, beside Vexo.exe.
    lumora_install "$b/standins/posterly/Posterly.exe" "$LUMORA_PROGRAM_DIR/Posterly.exe"
    lumora_install "$b/standins/tolvane/Tolvane.dll" "$LUMORA_PROGRAM_DIR/Tolvane.dll"
    # The tablet driver stand-in, on the path of every Windows program.
    lumora_install "$b/standins/tabletdriver/tabletdriver.exe" "$LUMORA_SYSTEM_DIR/tabletdriver.exe"
    # A fresh installation: Vexo makes its settings file from the template.
    rm -f "$LUMORA_COMMON_APPDATA/Vexo.ini"
    # Tessar's seed files: the manager file and the shipped profiles in the
    # system folder, the tablet table in the Windows folder. A fresh
    # installation has no Tablet folder yet; Tessar seeds it at start-up.
    local seed
    for seed in "$LUMORA_ROOT"/tessar/install/seed/system32/*.ini; do
        lumora_install "$seed" "$LUMORA_SYSTEM_DIR/$(basename "$seed")"
    done
    lumora_install "$LUMORA_ROOT/tessar/install/seed/windows/orvtbl.ini" "$LUMORA_WINDOWS_DIR/orvtbl.ini"
    rm -rf "$LUMORA_COMMON_APPDATA/Tablet"
}

lumora_setup() {
    lumora_wine_env "$1"
    mkdir -p "$LUMORA_WINE_DIR"
    lumora_start_x
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix in $WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    LUMORA_STARTED_SERVER=1
    lumora_wineserver_running && LUMORA_STARTED_SERVER=0
    wineserver -p >/dev/null 2>&1 || true  # already running is fine
    # Start Wine's background services now, with nowhere to write: started by a
    # test, they would inherit its output and CTest would wait for them.
    wineboot >/dev/null 2>&1 </dev/null || true
    lumora_install_layout
    echo "Wine ready: WINEPREFIX=$WINEPREFIX DISPLAY=$DISPLAY"
}

lumora_stop() {
    lumora_wine_env "${1:-}"
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$LUMORA_WINE_DIR/xvfb.pid" ]; then
        kill "$(cat "$LUMORA_WINE_DIR/xvfb.pid")" 2>/dev/null || true
        rm -f "$LUMORA_WINE_DIR/xvfb.pid" "$LUMORA_WINE_DIR/display"
    fi
}

# Stops what this shell's lumora_setup started, and nothing that was running
# before it: a script run beside the tests must not take their Wine away.
lumora_stop_own() {
    lumora_wine_env "${1:-}"
    if [ "${LUMORA_STARTED_SERVER:-0}" = 1 ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    if [ "${LUMORA_STARTED_X:-0}" = 1 ] && [ -f "$LUMORA_WINE_DIR/xvfb.pid" ]; then
        kill "$(cat "$LUMORA_WINE_DIR/xvfb.pid")" 2>/dev/null || true
        wait "$(cat "$LUMORA_WINE_DIR/xvfb.pid")" 2>/dev/null || true
        rm -f "$LUMORA_WINE_DIR/xvfb.pid" "$LUMORA_WINE_DIR/display"
    fi
}

# The window probe of the end-to-end tests (find, post, close, count windows
# by their Win32 class and title): winprobe <command> ...
winprobe() {
    local out rc=0
    out=$(wine "$LUMORA_WIN_BUILD/tests/e2e/winprobe.exe" "$@") || rc=$?
    [ -n "$out" ] && printf '%s\n' "${out//$'\r'/}"
    return $rc
}

# The tablet driver stand-in: tabletdriver <command> ... (tabletdriver help).
tabletdriver() {
    wine "$LUMORA_SYSTEM_DIR/tabletdriver.exe" "$@"
}

lumora_screenshot() {
    import -display "$DISPLAY" -window root "$1"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -e
    case "${1:-}" in
        setup) lumora_setup "${2:-}" ;;
        stop) lumora_stop "${2:-}" ;;
        *) echo "usage: $0 setup|stop [win-build-dir]" >&2; exit 2 ;;
    esac
fi
