#!/bin/bash
# The window part of check-windows.sh, run inside xvfb-run: starts numora.exe under Wine, types
# a line, and closes through the File menu's Exit.
#   check-windows-window.sh FOLDER WINEPREFIX
set -euo pipefail
folder=$1
prefix=$2
here=$(cd "$(dirname "$0")" && pwd)
log=$prefix/window.log
fail() {
    echo "check-windows-window: $*" >&2
    [[ -s $log ]] && sed 's/^/  program: /' "$log" >&2
    exit 1
}

# wine-run.sh keeps every window away from a display; this run wants one.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
(cd "$folder" && exec "$wine" numora.exe) >"$log" 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

wid=""
wait_title() {
    for _ in $(seq 300); do
        wid=$(xdotool search --onlyvisible --name '^Numora' 2>/dev/null | head -1 || true)
        if [[ -n $wid && $(xdotool getwindowname "$wid" 2>/dev/null) == "$1" ]]; then return 0; fi
        sleep 0.1
    done
    fail "no window titled '$1'"
}

wait_title "Numora - [ Untitled ]"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool type --delay 50 "a=6*7"
xdotool key Return
wait_title "Numora - [ Untitled ] *"
# The menu may need a moment to open: again until the program ends.
for _ in $(seq 10); do
    xdotool key alt+f
    sleep 0.5
    xdotool key x
    for _ in $(seq 30); do
        if ! kill -0 $app 2>/dev/null; then
            wait $app || fail "exit status $?"
            exit 0
        fi
        sleep 0.1
    done
done
fail "the program did not end through File > Exit"
