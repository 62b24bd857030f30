#!/bin/bash
# The window part of check-windows-installer.sh, run inside xvfb-run: the installed numora.exe,
# in Japanese, on a virtual screen with a window manager. Types 1+2*3 and Enter, saves it as
# 売上 2024.txt in a folder whose name has a space and Japanese letters, starts a new worksheet,
# types another line and leaves through File > Exit; then checks the saved file, the Untitled
# worksheet in %APPDATA%\Numora and the recent list in the registry.
#   check-windows-setup-window.sh INSTALL_FOLDER WINEPREFIX SCREENSHOT.png
set -euo pipefail
folder=$1
prefix=$2
screenshot=$3
log=$prefix/setup-window.log
fail() {
    echo "check-windows-setup-window: $*" >&2
    [[ -s $log ]] && sed 's/^/  program: /' "$log" >&2
    exit 1
}

# wine-run.sh keeps every window away from a display; this run wants one.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=C.UTF-8
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
user_dir=$prefix/drive_c/users/$(id -un)
appdata=$user_dir/AppData/Roaming/Numora
documents="$user_dir/Documents/家計簿 2024"
mkdir -p "$appdata" "$documents"
printf '[View]\r\nLanguage=ja\r\n' >"$appdata/Numora.ini"
rm -f "$appdata/Untitled.txt" "$documents/売上 2024.txt"

wm=""
command -v openbox >/dev/null && { openbox >/dev/null 2>&1 & wm=$!; }
"$wine" "$folder/numora.exe" >"$log" 2>&1 &
app=$!
clip=""
cleanup() {
    status=$?
    [[ -n $app ]] && kill $app 2>/dev/null
    [[ -n $clip ]] && kill $clip 2>/dev/null
    [[ -n $wm ]] && kill $wm 2>/dev/null
    exit $status
}
trap cleanup EXIT

wid=""
# The first start in a new prefix waits for Wine to set up its desktop and fonts: up to 2 minutes.
wait_title() {
    for _ in $(seq 1200); do
        wid=$(xdotool search --onlyvisible --name '^Numora' 2>/dev/null | head -1 || true)
        if [[ -n $wid && $(xdotool getwindowname "$wid" 2>/dev/null) == "$1" ]]; then return 0; fi
        sleep 0.1
    done
    fail "no window titled '$1' (last: '$(xdotool getwindowname "$wid" 2>/dev/null)')"
}
# A dialog: the window that becomes active in place of the main one (Wine's file dialog has no
# title of its own).
dialog=""
wait_dialog() {
    for _ in $(seq 300); do
        dialog=$(xdotool getactivewindow 2>/dev/null || true)
        [[ -n $dialog && $dialog != "$wid" ]] && return 0
        sleep 0.1
    done
    fail "no dialog came up for $1"
}
menu() { xdotool key "$1"; sleep 0.7; xdotool key "$2"; }

wait_title "Numora - [ Untitled ]"
xdotool windowfocus --sync "$wid" 2>/dev/null || true
xdotool type --delay 50 "1+2*3"
xdotool key Return
wait_title "Numora - [ Untitled ] *"

# The File menu open, for the screenshot of the Japanese menus.
xdotool key alt+f
sleep 1.5
import -window root "$screenshot" 2>/dev/null || true
xdotool key Escape Escape
sleep 0.5

# Save As: the file's full name goes into the dialog's name box through the clipboard.
menu alt+f a
wait_dialog 'Save As'
sleep 1
windows_name='C:\users\'"$(id -un)"'\Documents\家計簿 2024\売上 2024.txt'
printf '%s' "$windows_name" | xclip -selection clipboard -loops 0 &
clip=$!
sleep 0.3
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
xdotool key ctrl+a ctrl+v
sleep 0.5
xdotool key Return
wait_title "Numora - [ 売上 2024.txt ]"
kill $clip 2>/dev/null || true
wait $clip 2>/dev/null || true
clip=""

# A new worksheet, a line in it, and File > Exit: the program keeps it as the Untitled worksheet.
xdotool windowactivate --sync "$wid" 2>/dev/null || true
sleep 0.5
xdotool key ctrl+n
wait_title "Numora - [ Untitled ]"
xdotool type --delay 50 "a=6*7"
xdotool key Return
wait_title "Numora - [ Untitled ] *"
for _ in $(seq 10); do
    menu alt+f x
    for _ in $(seq 30); do
        if ! kill -0 $app 2>/dev/null; then
            wait $app || fail "exit status $?"
            app=""
            break 2
        fi
        sleep 0.1
    done
done
[[ -z $app ]] || fail "the program did not end through File > Exit"

got=$(od -An -c "$documents/売上 2024.txt" | tr -s ' ')
[[ $got == " 1 + 2 * 3 \r \n > 7 \r \n" ]] || fail "売上 2024.txt holds: $got"
got=$(od -An -c "$appdata/Untitled.txt" | tr -s ' ')
[[ $got == " a = 6 * 7 \r \n > 4 2 \r \n" ]] || fail "Untitled.txt holds: $got"
# The registry's recent list, exported (UTF-16) and read back as UTF-8.
"$wine" reg export 'HKCU\Software\Orvanta\Numora\Recent Document List' 'C:\recent.reg' /y >/dev/null 2>&1 ||
    fail "no recent list in the registry"
recent=$(iconv -f UTF-16LE -t UTF-8 "$prefix/drive_c/recent.reg" | tr -d '\r')
grep -qx '"DocumentCount"=dword:00000005' <<<"$recent" || fail "the recent list's size: $recent"
grep -qxF '"Document1"="'"${windows_name//\\/\\\\}"'"' <<<"$recent" || fail "the recent list: $recent"
echo "check-windows-setup-window: ok"
exit 0
