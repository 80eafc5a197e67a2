#!/usr/bin/env bash
# A 2 GiB text converted from the window under Xvfb and openbox: prints the
# slowest reply to the window manager's ping during the run, the hover
# repaint, and the run's time beside txt2htm's on the same text.
# Usage: bench/window_ping.sh [BUILD_DIR [TEXT_MIB]]   (default build, 2048)
set -euo pipefail
HERE=$(dirname "$(realpath "$0")")
BUILD=$(realpath "${1:-$HERE/../build}")
MIB=${2:-2048}
# The text is made on the file system of the build tree, not in a RAM disk.
export QM_WORK_PARENT="$BUILD"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$HERE/../tests/app/e2e_progress.sh" \
    "$BUILD/quorvel-marlune" "$BUILD/txt2htm" "$BUILD/xprobe" "$MIB" 200
