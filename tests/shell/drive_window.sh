#!/bin/bash
# Drives the real program as a person does, on a virtual X screen: types a line, closes through
# the File menu's Exit, and checks that the next start shows the same worksheet, unmodified.
#   drive_window.sh PATH/TO/numora
set -euo pipefail
exe=$1
work=$(mktemp -d)
# The server picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
app=""
trap 'if [[ -n $app ]]; then kill $app 2>/dev/null || true; fi; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 300); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "drive_window: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$work/display")
unset QT_QPA_PLATFORM
# No session bus on this screen, and none started for the program: with no address, the menu
# bar's look-up of one has libdbus fork a helper, and under AddressSanitizer a fork while another
# thread holds the sanitizer's allocator lock hangs before it gets to exec.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
for _ in $(seq 200); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

fail() {
    echo "drive_window: $*" >&2
    [[ -s $work/log ]] && sed 's/^/  program: /' "$work/log" >&2
    kill -0 "$xvfb" 2>/dev/null && echo "  the X server still runs" >&2 || echo "  the X server has ended" >&2
    [[ -s $work/xvfb.log ]] && sed 's/^/  Xvfb: /' "$work/xvfb.log" >&2
    exit 1
}

# Waits (up to 20 s) until the window's title is $1; sets $wid.
wait_title() {
    for _ in $(seq 200); do
        wid=$(xdotool search --onlyvisible --name '^Numora' 2>/dev/null | head -1 || true)
        if [[ -n $wid && $(xdotool getwindowname "$wid" 2>/dev/null) == "$1" ]]; then return 0; fi
        sleep 0.1
    done
    fail "no window titled '$1' (last: '$(xdotool getwindowname "${wid:-0}" 2>/dev/null || true)')"
}

# Starts the program; one that could not reach the display is started again: the server, not
# the program, is what failed.
launch() {
    for _ in 1 2 3; do
        local before
        before=$(grep -c "could not connect to display" "$work/log" 2>/dev/null || true)
        XDG_CONFIG_HOME=$work "$exe" >>"$work/log" 2>&1 &
        app=$!
        sleep 0.5
        kill -0 "$app" 2>/dev/null && return 0
        [[ $(grep -c "could not connect to display" "$work/log" 2>/dev/null || true) != "$before" ]] ||
            return 0
        sleep 1
    done
}

start() {
    launch
    wait_title "$1"
    xdotool windowfocus --sync "$wid" 2>/dev/null || true
}

# File menu, Exit; the menu may need a moment to open, so try again until the program ends.
exit_through_menu() {
    for _ in $(seq 10); do
        xdotool key alt+f
        sleep 0.3
        xdotool key x
        for _ in $(seq 30); do
            kill -0 "$app" 2>/dev/null || { wait "$app" || fail "exit status $?"; app=""; return 0; }
            sleep 0.1
        done
    done
    fail "the program did not end through File > Exit"
}

# The Japanese interface, whatever the system's language.
mkdir -p "$work/Numora"
printf '[View]\r\nLanguage=ja\r\n' >"$work/Numora/Numora.ini"
start "Numora - [ Untitled ]"
xdotool type --delay 30 "a=6*7"
xdotool key Return
wait_title "Numora - [ Untitled ] *"
exit_through_menu
[[ $(od -An -c "$work/Numora/Untitled.txt" | tr -s ' ') == " a = 6 * 7 \r \n > 4 2 \r \n" ]] ||
    fail "Untitled.txt holds: $(od -An -c "$work/Numora/Untitled.txt")"
grep -q '^Width=640' "$work/Numora/Numora.ini" || fail "no window width in Numora.ini"

start "Numora - [ Untitled ]"
# Unsaved work survives a kill -9: typed, left unsaved past the recovery pause, killed.
xdotool key ctrl+End
xdotool type --delay 30 "b=1"
xdotool key Return
sleep 3.5
kill -9 "$app"
wait "$app" 2>/dev/null || true
app=""
launch
for _ in $(seq 200); do
    ask=$(xdotool search --onlyvisible --name '^確認$' 2>/dev/null | head -1 || true)
    [[ -n $ask ]] && break
    sleep 0.1
done
[[ -n $ask ]] || fail "no question offering the unsaved work back"
xdotool windowfocus --sync "$ask" 2>/dev/null || true
xdotool key Return
wait_title "Numora - [ Untitled ] *"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
exit_through_menu
grep -q 'b=1' "$work/Numora/Untitled.txt" || fail "recovered work not kept: $(cat "$work/Numora/Untitled.txt")"
ls "$work"/Numora/Recovery-*.txt >/dev/null 2>&1 && fail "a recovery copy is left after a normal close"

start "Numora - [ Untitled ]"
exit_through_menu
echo "drive_window: ok"
