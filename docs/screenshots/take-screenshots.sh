#!/usr/bin/env bash
# Takes the README's screenshots under Xvfb: the main window with two texts in
# its list, and the heading and text-size dialog.
# Usage: docs/screenshots/take-screenshots.sh [BUILD_DIR]
set -euo pipefail
SELF=$(realpath "$0")
OUT=$(dirname "$SELF")
BUILD=$(realpath "${1:-$OUT/../../build}")
PROGRAM="$BUILD/quorvel-marlune"

if [ -z "${QM_SHOTS_UNDER_X:-}" ]; then
    export QM_SHOTS_UNDER_X=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$SELF" "$BUILD"
fi
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

WORK=/tmp/quorvel-marlune-demo
rm -rf "$WORK" && mkdir -p "$WORK"
trap 'kill "$PID" 2>/dev/null || true; rm -rf "$WORK"' EXIT
printf '第一章\n正文\n' >"$WORK/chapter1.txt"
printf 'Notes\nfor the meeting\n' >"$WORK/notes.txt"

wait_window() { timeout 20 xdotool search --sync --name "$1" | head -1; }

cd "$WORK"
"$PROGRAM" >/dev/null 2>&1 &
PID=$!
MAIN=$(wait_window '^Quorvel Marlune v1.10$')
xdotool mousemove --window "$MAIN" 99 181 click 1
OPEN=$(wait_window '^Open$')
xdotool mousemove --window "$OPEN" 200 200
xdotool type --delay 20 '"chapter1.txt" "notes.txt"'
xdotool key Return
for _ in $(seq 100); do xdotool search --name '^Open$' >/dev/null || break; sleep 0.1; done
xdotool mousemove 900 700
sleep 0.5
import -window "$MAIN" "$OUT/main-window.png"

xdotool mousemove --window "$MAIN" 382 238 click 1
DIALOG=$(wait_window '^对文本大小进行详细设置$')
xdotool mousemove 900 700
sleep 0.5
import -window "$DIALOG" "$OUT/text-size-dialog.png"
