#!/bin/sh
# Starts the program. Until the window exists, recalculates the example worksheet.
set -eu
BUILD_DIR=${1:-build}
exec "$BUILD_DIR/cli/numora-calc" examples/worksheet.txt
