#!/bin/sh
# Starts the desktop program. Without a display (a terminal-only session) it says so instead of
# failing with the toolkit's message.
set -eu
BUILD_DIR=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display; start it from a desktop session, or under Xvfb (xvfb-run $BUILD_DIR/shell/numora)" >&2
    exit 1
fi
exec "$BUILD_DIR/shell/numora"
