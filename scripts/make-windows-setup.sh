#!/bin/bash
# Makes the Windows installer from the program folder that `make windows` staged:
#   make-windows-setup.sh BUILD_DIR
# reads BUILD_DIR/Numora and BUILD_DIR/setup-defines.nsh, writes
# BUILD_DIR/packages/Numora-VERSION-setup.exe with Debian's nsis (resources/windows/setup.nsi).
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
source_folder=$build/Numora
[[ -f $source_folder/numora.exe ]] || { echo "make-windows-setup: $source_folder holds no numora.exe" >&2; exit 1; }
version=$(sed -n 's/^!define VERSION "\(.*\)"$/\1/p' "$build/setup-defines.nsh")
work=$build/setup
rm -rf "$work"
mkdir -p "$work" "$build/packages"

# One File line per file, in its folder; the uninstaller removes the same files, then each folder
# deepest first, and only if empty.
(
    cd "$source_folder"
    find . -type d | sort | while read -r dir; do
        dir=${dir#./}
        files=$(find "./$dir" -maxdepth 1 -type f | sort)
        [[ -n $files ]] || continue
        win=${dir//\//\\}
        if [[ $dir == . ]]; then echo 'SetOutPath "$INSTDIR"'; else echo "SetOutPath \"\$INSTDIR\\$win\""; fi
        while read -r file; do
            echo "File \"$source_folder/${file#./}\""
        done <<<"$files"
    done
    echo 'SetOutPath "$INSTDIR"'
) >"$work/files.nsh"
(
    cd "$source_folder"
    find . -type f | sort | while read -r file; do
        file=${file#./}
        echo "Delete \"\$INSTDIR\\${file//\//\\}\""
    done
    find . -mindepth 1 -type d | sort -r | while read -r dir; do
        dir=${dir#./}
        echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""
    done
) >"$work/unfiles.nsh"

# A 64-bit installer for a 64-bit program: a 32-bit one would need the 32-bit Windows layer that
# a 64-bit Wine lacks.
out=$build/packages/Numora-$version-setup.exe
makensis -V2 -WX "-XTarget amd64-unicode" -DSOURCE="$source_folder" -DOUTFILE="$out" \
    -DDEFINES="$build/setup-defines.nsh" -DFILES="$work/files.nsh" -DUNFILES="$work/unfiles.nsh" \
    "$here/../resources/windows/setup.nsi"
echo "make-windows-setup: $(du -h "$out" | cut -f1) $out"
