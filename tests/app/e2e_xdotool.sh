#!/usr/bin/env bash
# End-to-end check with real X input: start the program, add two texts through
# the real open dialog (titled "打开": Qt's own dialogs speak Chinese), convert,
# dismiss the completion message, check both pages on disk against the
# command-line converter's, drag the window by its caption and close it with
# the title bar's close button.
# Usage (under an X server, e.g. xvfb-run -a): e2e_xdotool.sh PROGRAM TXT2HTM
set -euo pipefail

PROGRAM=$(realpath "$1")
TXT2HTM=$(realpath "$2")
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

source "$(dirname "$(realpath "$0")")/e2e_common.sh"

window_pos() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }

mkdir -p "$WORK/texts" "$WORK/expected"
printf 'First text\n  with  spaces\tand a tab\n\nend\n' >"$WORK/texts/a.txt"
printf 'Second text\r\nline two\r\n' >"$WORK/texts/b.txt"
cp "$WORK/texts/"*.txt "$WORK/expected/"
"$TXT2HTM" "$WORK/expected/a.txt" "$WORK/expected/b.txt"

cd "$WORK/texts"
start_program

choose_texts "\"$WORK/texts/a.txt\" \"$WORK/texts/b.txt\""

# "转换为htm文件" at (303, 168), 89 x 27.
xdotool mousemove --window "$MAIN" 348 181 click 1
MSG=$(wait_window '^提示$')
[ -n "$MSG" ] || fail "no completion message"
# Its one button "OK" stands at the bottom right of the message window.
eval "$(xdotool getwindowgeometry --shell "$MSG")"
xdotool mousemove --window "$MSG" $((WIDTH - 60)) $((HEIGHT - 33)) click 1
if ! wait_until window_gone '^提示$'; then
    xdotool key --window "$MSG" Return
    wait_until window_gone '^提示$' || fail "the completion message did not close"
fi

for page in a b; do
    [ -f "$WORK/texts/$page.htm" ] || fail "no page $page.htm"
    cmp "$WORK/texts/$page.htm" "$WORK/expected/$page.htm" || fail "page $page.htm differs"
done

# Drag the window by its caption 60 pixels right and 40 down.
read -r X0 Y0 < <(window_pos "$MAIN")
xdotool mousemove --window "$MAIN" 300 15 mousedown 1
for step in 1 2 3 4 5 6; do
    xdotool mousemove --window "$MAIN" $((300 + step * 10)) $((15 + step * 6))
done
xdotool mousemove $((X0 + 360)) $((Y0 + 55))
moved() { read -r X Y < <(window_pos "$MAIN"); [ "$X" -eq $((X0 + 60)) ] && [ "$Y" -eq $((Y0 + 40)) ]; }
wait_until moved || fail "the window did not follow the drag: $(window_pos "$MAIN"), from $X0 $Y0"
xdotool mouseup 1

# The title bar's close button: the rightmost button, near the right edge.
eval "$(xdotool getwindowgeometry --shell "$MAIN")"
xdotool mousemove --window "$MAIN" $((WIDTH - 11)) 11 click 1
wait_until window_gone '^Quorvel Marlune v1.10$' || fail "the close button did not close the window"
for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
wait "$PID" || fail "the program exited with $?"
PID=""
echo "PASS"
