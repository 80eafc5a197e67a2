#!/usr/bin/env bash
# A long run from the window under a window manager, with real X input: the
# window answers every _NET_WM_PING quickly for the whole run, the progress
# window appears, its bar advances, its cancel button lights up under the
# pointer, and the page comes out as the command-line converter's.
# Usage (under an X server): e2e_progress.sh PROGRAM TXT2HTM XPROBE [TEXT_MIB [LIMIT_MS]]
# The test gives a program whose engine QM_THROTTLE_US slows down; the bench
# (bench/window_ping.sh) gives the real program and a 2 GiB text.
set -euo pipefail

PROGRAM=$(realpath "$1")
TXT2HTM=$(realpath "$2")
XPROBE=$(realpath "$3")
TEXT_MIB=${4:-8}
PING_LIMIT=${5:-200}
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

source "$(dirname "$(realpath "$0")")/e2e_common.sh"
# The run may take a while: waits last up to 60 s.
WAIT_SECONDS=60


start_window_manager

mkdir -p "$WORK/texts" "$WORK/expected"
# The text is made here, on the file system the run reads from.
head -c $((TEXT_MIB * 1024 * 1024)) /dev/zero | tr '\0' 'x' | fold -w 79 >"$WORK/texts/big.txt"
cp "$WORK/texts/big.txt" "$WORK/expected/"
START=$(date +%s.%N)
"$TXT2HTM" "$WORK/expected/big.txt"
TOOL_SECONDS=$(echo "$(date +%s.%N) - $START" | bc)
printf 'old page\r\n' >"$WORK/texts/big.htm"

cd "$WORK/texts"
start_program

choose_texts "\"$WORK/texts/big.txt\""

"$XPROBE" ping "$MAIN" "$PING_LIMIT" "$WORK/stop-pinging" >"$WORK/ping.log" 2>&1 &
PINGER=$!
HELPERS=$PINGER

# "转换为htm文件".
START=$(date +%s.%N)
xdotool mousemove --window "$MAIN" 348 181 click 1
PROGRESS=$(wait_window '^正在转换$')
[ -n "$PROGRESS" ] || fail "the progress window did not appear"

# The bar (16, 80, 326 x 16 in the window) advances, twice (the first change
# may be the window's first paint).
for _ in 1 2; do
    "$XPROBE" changes "$PROGRESS" 326x16+16+80 5000 2>/dev/null || fail "the progress bar did not advance"
done

# The cancel button (143, 110, 73 x 25) takes its hover look when the
# pointer comes onto it.
"$XPROBE" changes "$PROGRESS" 73x25+143+110 "$PING_LIMIT" 179 122 >"$WORK/hover.log" ||
    fail "the cancel button did not light up within $PING_LIMIT ms: $(cat "$WORK/hover.log")"
# Away again, so that the run is not cancelled by a stray click.
xdotool mousemove --window "$MAIN" 5 200

MSG=$( (timeout 600 xdotool search --sync --name '^提示$' 2>/dev/null || true) | head -1)
[ -n "$MSG" ] || fail "no completion message"
WINDOW_SECONDS=$(echo "$(date +%s.%N) - $START" | bc)
window_gone '^正在转换$' || fail "the progress window is still there with the message"
touch "$WORK/stop-pinging"
wait "$PINGER" || PING_FAILED=1
PINGER=""
HELPERS=""
cat "$WORK/ping.log"
[ -z "${PING_FAILED:-}" ] || fail "the window did not answer every ping within $PING_LIMIT ms"

xdotool key --window "$MSG" Return
wait_until window_gone '^提示$' || fail "the completion message did not close"
cmp "$WORK/texts/big.htm" "$WORK/expected/big.htm" || fail "the page differs from txt2htm's"

echo "hover look of the cancel button: $(cat "$WORK/hover.log") the pointer came"
echo "text ${TEXT_MIB} MiB: window $(printf '%.2f' "$WINDOW_SECONDS") s (until the message), txt2htm $(printf '%.2f' "$TOOL_SECONDS") s"
xdotool key --window "$MAIN" alt+F4 2>/dev/null || true
echo "PASS"
