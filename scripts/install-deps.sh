#!/bin/sh
# Installs from Debian what the build and tests need, and only what is missing.
# Extra package names given as arguments are installed too (e.g. the fuzzing compiler).
set -eu

# qt6-svg-dev brings the SVG icon engine for the toolbar icons, fonts-noto-cjk the Japanese
# glyphs of the menus and texts, fonts-dejavu-core a Western font the print tests set beside
# them, qt6-translations-l10n Qt's own texts in Japanese, qt6-tools-dev
# and qt6-l10n-tools the translation tools that build the English interface; xvfb and xdotool
# drive the window in a test. libedit-dev is numora-calc's line editing; man-db checks its manual
# page; desktop-file-utils checks the desktop entry, appstream its AppStream data, and dpkg-dev
# reads the package dependencies for cpack. qt6-base-private-dev lets the accessibility tests
# switch Qt's accessibility on offscreen.
PACKAGES="cmake ninja-build ccache g++ make pkg-config libboost1.81-dev qt6-base-dev qt6-svg-dev \
qt6-tools-dev qt6-l10n-tools qt6-base-private-dev \
libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libedit-dev man-db xvfb xauth xdotool \
poppler-utils fonts-noto-cjk fonts-dejavu-core qt6-translations-l10n desktop-file-utils appstream \
dpkg-dev $*"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
