#!/usr/bin/env bash
# A real XDND drop with X: a small drag source drops two texts on the list,
# which takes them (converting then gives both pages); a drag of plain text
# is refused.
# Usage (under an X server, e.g. xvfb-run -a): e2e_xdnd.sh PROGRAM
set -euo pipefail

PROGRAM=$(realpath "$1")
SOURCE="$(dirname "$(realpath "$0")")/xdnd_source.py"
/usr/bin/python3 -c 'import Xlib' 2>/dev/null || { echo "SKIP: python3-xlib is not installed"; exit 0; }
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

source "$(dirname "$(realpath "$0")")/e2e_common.sh"

printf 'First\n' >"$WORK/a.txt"
printf 'Second\n' >"$WORK/b.txt"
cd "$WORK"
start_program
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
# Inside the list: the panel at (1, 0), the list at (22, 44), 674 x 109.
DROP_X=$((X + 1 + 22 + 200)) DROP_Y=$((Y + 44 + 40))

answer=$(/usr/bin/python3 "$SOURCE" "$MAIN" "$DROP_X" "$DROP_Y" --text "not a file") || true
[ "$answer" = refused ] || fail "a drag of plain text was not refused: $answer"
answer=$(/usr/bin/python3 "$SOURCE" "$MAIN" "$DROP_X" "$DROP_Y" --files "$WORK/b.txt" "$WORK/a.txt") ||
    fail "the drop of two files failed: $answer"
[ "$answer" = accepted ] || fail "the drop of two files was not accepted: $answer"

# "转换为htm文件" at (303, 168), 89 x 27.
xdotool mousemove --window "$MAIN" 348 181 click 1
MSG=$(wait_window '^提示$')
[ -n "$MSG" ] || fail "no completion message"
for page in a b; do
    [ -f "$WORK/$page.htm" ] || fail "no page $page.htm: the dropped $page.txt is not in the list"
done
xdotool key --window "$MSG" Return || true
kill "$PID"
wait "$PID" 2>/dev/null || true
PID=""
echo PASS
