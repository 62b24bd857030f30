#!/bin/bash
# Tries the Windows program folder that `make windows` stages, under Wine:
#   check-windows.sh FOLDER WINEPREFIX
# numora-calc.exe calculates; numora.exe answers --version and starts offscreen (all its libraries
# and its platform plugin are found). The window on a screen is tried once installed
# (check-windows-installer.sh).
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

echo "check-windows: ok ($(du -sh "$folder" | cut -f1) in $folder)"
