#!/bin/bash
# Tries the Windows installer that `make windows` makes, under Wine, in a fresh prefix (a new
# user's Windows):
#   check-windows-installer.sh SETUP.exe WINEPREFIX [SCREENSHOT.png]
# A silent install, without administrator rights, puts the program under the user's
# %LOCALAPPDATA%\Programs with a Start menu entry and an uninstaller registered for the user;
# the installed numora-calc.exe calculates; on a virtual X screen the installed window saves a
# worksheet and keeps its recent list (scripts/check-windows-setup-window.sh, which takes the
# screenshot); the silent uninstall takes the program away and leaves the user's files.
set -euo pipefail
installer=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
rm -rf "$2" "$2.lock"
mkdir -p "$2"
prefix=$(cd "$2" && pwd)
screenshot=${3:-$prefix/window.png}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "check-windows-installer: $*" >&2; exit 1; }
wine_run() { "$here/wine-run.sh" "$prefix" "$@"; }
# Each step's process may leave before its work is on disk: wait for what it makes.
wait_for() { for _ in $(seq 150); do eval "$1" && return 0; sleep 0.2; done; return 1; }

user_dir=$prefix/drive_c/users/$(id -un)
folder=$user_dir/AppData/Local/Programs/Numora
entry=$user_dir/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Numora.lnk
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Numora'

wine_run "$installer" /S
wait_for '[[ -f "$folder/Uninstall.exe" && -f "$entry" ]]' || fail "not installed: $(ls "$folder" 2>&1)"
for file in numora.exe numora-calc.exe Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    translations/qtbase_ja.qm LICENSE.txt licenses/Qt.txt; do
    [[ -f $folder/$file ]] || fail "$file was not installed"
done
[[ -z $(find "$prefix/drive_c/Program Files" "$prefix/drive_c/ProgramData" -iname '*numora*' 2>/dev/null) ]] ||
    fail "the installer wrote where only an administrator may"
registered=$(wine_run reg query "$key" | tr -d '\r')
for value in 'DisplayName *REG_SZ *Numora$' 'UninstallString *REG_SZ *".*\\Uninstall.exe"$' \
    'QuietUninstallString *REG_SZ *".*\\Uninstall.exe" /S$' 'DisplayVersion *REG_SZ *[0-9]' \
    'InstallLocation *REG_SZ *C:\\users\\.*\\Programs\\Numora$' 'EstimatedSize *REG_DWORD *0x'; do
    grep -q "$value" <<<"$registered" || fail "the uninstaller's registration lacks $value: $registered"
done

got=$(wine_run "$folder/numora-calc.exe" -e "1+2*3" | tr -d '\r')
[[ $got == 7 ]] || fail "the installed numora-calc.exe printed '$got'"

if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && command -v xclip >/dev/null; then
    # Wine's desktop, made by the steps above without a display, would keep every window of the
    # next program off the screen: its server goes first.
    WINEPREFIX=$prefix "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
    # Wine's own dialogs (the file dialog) draw in its Tahoma, which has no Japanese: linked to
    # the system's Japanese font, as a Japanese Windows links its own.
    wine_run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null
    WINEPREFIX=$prefix "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
    xvfb-run -a -s "-screen 0 1024x768x24" "$here/check-windows-setup-window.sh" "$folder" "$prefix" \
        "$screenshot" || fail "the installed window under Xvfb failed"
fi

wine_run "$folder/Uninstall.exe" /S
wait_for '[[ ! -e "$folder" && ! -e "$entry" ]]' || fail "not uninstalled: $(ls "$folder" 2>&1)"
wine_run reg query "$key" >/dev/null 2>&1 && fail "the uninstaller's registration is left"
if [[ -d $user_dir/AppData/Roaming/Numora ]]; then
    [[ -f $user_dir/AppData/Roaming/Numora/Untitled.txt ]] || fail "uninstalling took the user's worksheet"
fi
echo "check-windows-installer: ok ($(du -h "$installer" | cut -f1) $(basename "$installer"))"
