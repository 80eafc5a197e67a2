#!/usr/bin/env bash
# The command line of the program with real X: two texts named on it are in
# the list at start-up (converting gives both pages), and help and the version
# answer on standard output with no display at all.
# Usage (under an X server, e.g. xvfb-run -a): e2e_arguments.sh PROGRAM
set -euo pipefail

PROGRAM=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/e2e_common.sh"

# No display: neither X nor Wayland, and no platform chosen.
no_display() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" "$@"; }
version=$(no_display --version) || fail "--version exited with $?"
[[ $version =~ ^quorvel-marlune\ [0-9]+\.[0-9]+ ]] || fail "--version printed '$version'"
help=$(no_display --help) || fail "--help exited with $?"
[[ $help == Usage:\ quorvel-marlune* ]] || fail "--help printed '$help'"
no_display -h >/dev/null || fail "-h exited with $?"
status=0
QT_QPA_PLATFORM=offscreen "$PROGRAM" --bogus >/dev/null 2>"$WORK/bogus.err" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exited with $status"
grep -q "^Try 'quorvel-marlune --help'.$" "$WORK/bogus.err" || fail "no hint after a usage error"

export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0
printf 'First\n' >"$WORK/a.txt"
printf 'Second\n' >"$WORK/b.txt"
cd "$WORK"
start_program a.txt b.txt

# "转换为htm文件" at (303, 168), 89 x 27, on the panel at (1, 0).
xdotool mousemove --window "$MAIN" 348 181 click 1
MSG=$(wait_window '^提示$')
[ -n "$MSG" ] || fail "no completion message: the list was empty"
for page in a b; do
    [ -f "$WORK/$page.htm" ] || fail "no page $page.htm: $page.txt was not in the list"
done
xdotool key --window "$MSG" Return
wait_until window_gone '^提示$' || true
kill "$PID"
wait "$PID" 2>/dev/null || true
PID=""
echo PASS
