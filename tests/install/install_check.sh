#!/bin/sh
# Installs the build into a temporary prefix and checks that a desktop finds the program there:
# the executables, the menu entry (validated), the icon in every size, the manual page.
#   install_check.sh BUILD_DIR
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
status=0
for f in bin/numora bin/numora-calc share/applications/numora.desktop \
    share/icons/hicolor/scalable/apps/numora.svg share/icons/hicolor/48x48/apps/numora.png \
    share/icons/hicolor/256x256/apps/numora.png share/man/man1/numora-calc.1; do
    [ -s "$prefix/$f" ] || { echo "missing after install: $f"; status=1; }
done
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/numora.png
    # Width and height are big-endian words at bytes 16 and 20 of a PNG.
    got=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$got" = "${size}x${size}" ] || { echo "icon $size is $got"; status=1; }
done
desktop-file-validate "$prefix/share/applications/numora.desktop" || status=1
grep -q '^Exec=numora %f$' "$prefix/share/applications/numora.desktop" || status=1
"$prefix/bin/numora-calc" -e '1+2*3' | grep -qx '7' || { echo "installed numora-calc fails"; status=1; }
exit $status
