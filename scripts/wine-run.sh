#!/bin/sh
# Runs a Windows program under Wine, quietly, in a prefix of its own:
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# The prefix is created on first use (slow, so under a lock: tests may start in parallel).
# Without a display, nothing may open a window; Mono and Gecko are not wanted.
set -eu
mkdir -p "$1"
WINEPREFIX=$(cd "$1" && pwd)
shift
export WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
# NUMORA_WINE_DLL_PATH: folders of DLLs the program needs, as Linux paths separated by ':'.
if [ -n "${NUMORA_WINE_DLL_PATH:-}" ]; then
    WINEPATH=$(printf '%s' "$NUMORA_WINE_DLL_PATH" | tr ':' '\n' | sed 's|^|Z:|; s|/|\\|g' | paste -sd ';')
    export WINEPATH
fi
# Wine takes the system's time zone from TZ: the tests' local times are Japan's.
export TZ=JST-9

WINE=$(command -v wine64 || true)
[ -n "$WINE" ] || WINE=/usr/lib/wine/wine64
if [ ! -x "$WINE" ]; then
    echo "wine-run.sh: wine64 is not installed (make test-windows installs it)" >&2
    exit 127
fi

if [ ! -f "$WINEPREFIX/.numora-ready" ]; then
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.numora-ready" ]; then
            "$WINE" wineboot --init >/dev/null 2>&1 || true
            WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
            "$WINESERVER" -w || true
            [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-run.sh: cannot create $WINEPREFIX" >&2; exit 1; }
            touch "$WINEPREFIX/.numora-ready"
        fi
    ) 9>"$WINEPREFIX.lock"
fi

exec "$WINE" "$@"
