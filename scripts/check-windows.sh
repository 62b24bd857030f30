#!/bin/bash
# Tries the Windows program folder that `make windows` stages, under Wine:
#   check-windows.sh FOLDER WINEPREFIX
# numora-calc.exe calculates; numora.exe answers --version, starts offscreen (all its libraries
# and its platform plugin are found) and, on a virtual X screen, takes a typed line and keeps it
# in the Untitled worksheet when closed, with the Japanese menus of Qt's own texts in place.
set -euo pipefail
folder=$(cd "$1" && pwd)
mkdir -p "$2"
prefix=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
wine_run() { (cd "$folder" && "$here/wine-run.sh" "$prefix" "$@"); }
fail() { echo "check-windows: $*" >&2; exit 1; }

for file in numora.exe numora-calc.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll \
    libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll \
    platforms/qoffscreen.dll styles/qwindowsvistastyle.dll translations/qtbase_ja.qm; do
    [[ -f $folder/$file ]] || fail "$file is missing"
done
# Stripped: a symbol table would be most of the size.
x86_64-w64-mingw32-objdump -h "$folder/numora.exe" | grep -q '\.debug_' && fail "numora.exe is not stripped"

# Its icon and version, for Explorer and the task bar.
resources=$(x86_64-w64-mingw32-windres -i "$folder/numora.exe" -O rc)
grep -q 'RT_GROUP_ICON' <<<"$resources" || fail "numora.exe has no icon"
grep -q 'VALUE "ProductName", "Numora"' <<<"$resources" || fail "numora.exe has no version"

got=$(wine_run numora-calc.exe -e "1+2*3" | tr -d '\r')
[[ $got == 7 ]] || fail "numora-calc.exe -e 1+2*3 printed '$got'"

got=$(wine_run numora.exe --version | tr -d '\r')
[[ $got == "Numora "* ]] || fail "numora.exe --version printed '$got'"

# Started offscreen, the window comes up and stays; the settings folder appears in the profile.
# Wine keeps QT_ variables from Windows programs (they are the Linux Qt's); WINEQT_ ones reach
# them without the prefix.
appdata=$prefix/drive_c/users/$(id -un)/AppData/Roaming
rm -rf "$appdata/Numora"
(cd "$folder" && WINEQT_QPA_PLATFORM=offscreen exec "$here/wine-run.sh" "$prefix" numora.exe) \
    >"$prefix/offscreen.log" 2>&1 &
app=$!
for _ in $(seq 100); do [[ -d $appdata/Numora ]] && break; sleep 0.2; done
sleep 2
alive=yes
kill -0 $app 2>/dev/null || alive=no
kill $app 2>/dev/null || true
wait $app 2>/dev/null || true
WINEPREFIX=$prefix "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
[[ -d $appdata/Numora ]] || fail "numora.exe made no settings folder: $(cat "$prefix/offscreen.log")"
[[ $alive == yes ]] || fail "numora.exe ended at once: $(cat "$prefix/offscreen.log")"

# On a virtual X screen, in Japanese: a typed line is calculated, and File > Exit keeps it in the
# Untitled worksheet.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null; then
    mkdir -p "$appdata/Numora"
    printf '[View]\r\nLanguage=ja\r\n' >"$appdata/Numora/Numora.ini"
    rm -f "$appdata/Numora/Untitled.txt"
    xvfb-run -a -s "-screen 0 1024x768x24" "$here/check-windows-window.sh" "$folder" "$prefix" ||
        fail "the window under Xvfb failed"
    got=$(od -An -c "$appdata/Numora/Untitled.txt" | tr -s ' ')
    [[ $got == " a = 6 * 7 \r \n > 4 2 \r \n" ]] || fail "Untitled.txt holds: $got"
fi

echo "check-windows: ok ($(du -sh "$folder" | cut -f1) in $folder)"
