#!/bin/sh
# Grabs the four message dialogs under a virtual X server into docs/.
# Usage: tools/dialog-screenshots.sh [BUILD_DIR]   (default: build)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build"}
cmake --build "$build" --target dialogdemo
QT_ENABLE_HIGHDPI_SCALING=0 xvfb-run -a -s "-screen 0 1024x768x24" \
    "$build/tools/dialogdemo" --grab "$root/docs"
