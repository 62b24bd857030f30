#!/bin/bash
# Tries the Windows installer that `make windows` makes, under Wine:
#   check-windows-installer.sh INSTALLER.exe WINEPREFIX
# A silent install puts the program under Program Files with its Start menu entry, the installed
# numora-calc.exe calculates, and the silent uninstall takes all of it away again.
set -euo pipefail
installer=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
mkdir -p "$2"
prefix=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "check-windows-installer: $*" >&2; exit 1; }
folder="$prefix/drive_c/Program Files/Numora"
entry="$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Numora/Numora.lnk"

# Each step's process may leave before its work is on disk: wait for what it makes.
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.2; done; return 1; }

"$here/wine-run.sh" "$prefix" "$installer" /S
wait_for '[[ -f "$folder/Uninstall.exe" && -f "$entry" ]]' || fail "not installed: $(ls "$folder" 2>&1)"
for file in numora.exe numora-calc.exe Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    translations/qtbase_ja.qm LICENSE.txt; do
    [[ -f $folder/$file ]] || fail "$file was not installed"
done
got=$("$here/wine-run.sh" "$prefix" 'C:\Program Files\Numora\numora-calc.exe' -e "1+2*3" | tr -d '\r')
[[ $got == 7 ]] || fail "the installed numora-calc.exe printed '$got'"

"$here/wine-run.sh" "$prefix" 'C:\Program Files\Numora\Uninstall.exe' /S
wait_for '[[ ! -e "$folder" && ! -e "$entry" ]]' || fail "not uninstalled: $(ls "$folder" 2>&1)"
echo "check-windows-installer: ok ($(du -h "$installer" | cut -f1) $(basename "$installer"))"
