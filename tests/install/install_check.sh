#!/bin/sh
# Installs each package's part of the build (the window: numora; the command line: calc) into a
# temporary prefix of its own and checks what a desktop and a packager find there: the files,
# no file in both, no Qt under numora-calc, hardened binaries, the manual pages, the menu entry
# and the AppStream data.
#   install_check.sh BUILD_DIR HARDENED (1 when the build uses the hardening flags)
set -eu
build=$1
hardened=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
gui=$root/numora
calc=$root/numora-calc
cmake --install "$build" --prefix "$gui" --component numora >/dev/null
cmake --install "$build" --prefix "$calc" --component calc >/dev/null
status=0
fail() { echo "$*"; status=1; }

for f in bin/numora share/applications/numora.desktop \
    share/metainfo/invalid.orvanta.numora.metainfo.xml \
    share/icons/hicolor/scalable/apps/numora.svg share/icons/hicolor/48x48/apps/numora.png \
    share/man/man1/numora.1.gz share/doc/numora/copyright share/doc/numora/changelog.gz; do
    [ -s "$gui/$f" ] || fail "numora lacks $f"
done
for f in bin/numora-calc share/man/man1/numora-calc.1.gz share/doc/numora-calc/copyright \
    share/doc/numora-calc/changelog.gz; do
    [ -s "$calc/$f" ] || fail "numora-calc lacks $f"
done
(cd "$gui" && find . -type f | sort) >"$root/gui.files"
(cd "$calc" && find . -type f | sort) >"$root/calc.files"
[ -z "$(comm -12 "$root/gui.files" "$root/calc.files")" ] || fail "a file in both packages"

for size in 16 22 24 32 48 64 128 256; do
    png=$gui/share/icons/hicolor/${size}x${size}/apps/numora.png
    # Width and height are big-endian words at bytes 16 and 20 of a PNG.
    got=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [ "$got" = "${size}x${size}" ] || fail "icon $size is $got"
done

objdump -p "$calc/bin/numora-calc" | grep 'NEEDED.*Qt' && fail "numora-calc links Qt"
if [ "$hardened" = 1 ]; then
    for exe in "$gui/bin/numora" "$calc/bin/numora-calc"; do
        readelf -d "$exe" | grep -q 'FLAGS.*BIND_NOW' || fail "$exe: relocations not bound at start"
        objdump -T "$exe" | grep -q '__[a-z]*_chk' || fail "$exe: no checked buffer functions"
    done
fi

for page in "$gui/share/man/man1/numora.1.gz" "$calc/share/man/man1/numora-calc.1.gz"; do
    warnings=$(man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done
# The changelog's latest entry is this version.
version=$("$calc/bin/numora-calc" --version | cut -d' ' -f2)
gzip -dc "$calc/share/doc/numora-calc/changelog.gz" | head -1 | grep -q "^numora ($version)" ||
    fail "the changelog's latest entry is not $version"

desktop=$gui/share/applications/numora.desktop
desktop-file-validate "$desktop" || status=1
grep -q '^Exec=numora %f$' "$desktop" || fail "the menu entry does not pass the file"
# Claiming text/plain would make the program every text file's default.
grep '^MimeType=' "$desktop" && fail "the menu entry claims file types"
appstreamcli validate --no-net "$gui/share/metainfo/invalid.orvanta.numora.metainfo.xml" >"$root/as" ||
    { cat "$root/as"; status=1; }
"$calc/bin/numora-calc" -e '1+2*3' | grep -qx '7' || fail "installed numora-calc fails"
exit $status
