#!/usr/bin/env bash
# Smoke test under Wayland: starts a headless weston (software renderer),
# runs the program on Qt's Wayland plug-in, and checks that its window maps
# with the application id, paints, and that a screenshot of the compositor
# shows the frame's title bar.
# Usage: wayland_smoke.sh PROGRAM
set -euo pipefail

PROGRAM=$(realpath "$1")
if ! ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland plug-in (qt6-wayland) is not installed"
    exit 0
fi

RUNTIME=$(mktemp -d)
chmod 700 "$RUNTIME"
WESTON_PID="" PROGRAM_PID=""
cleanup() {
    [ -n "$PROGRAM_PID" ] && kill "$PROGRAM_PID" 2>/dev/null || true
    [ -n "$WESTON_PID" ] && kill "$WESTON_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$RUNTIME"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    for log in weston.log client.log; do
        [ -f "$RUNTIME/$log" ] && { echo "--- $log (end)" >&2; tail -20 "$RUNTIME/$log" >&2; }
    done
    exit 1
}
# Polling until a command succeeds, with a deadline of 30 s.
wait_until() {
    local deadline=$((SECONDS + 30))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

export XDG_RUNTIME_DIR="$RUNTIME"
SOCKET="quorvel-marlune-smoke-$$"
# --debug lets weston-screenshooter take the picture.
weston --backend=headless-backend.so --use-pixman --width=1024 --height=768 \
    --socket="$SOCKET" --idle-time=0 --no-config --debug --log="$RUNTIME/weston.log" &
WESTON_PID=$!
wait_until test -S "$RUNTIME/$SOCKET" || fail "weston did not start"

cd "$RUNTIME"
mkdir texts
WAYLAND_DISPLAY="$SOCKET" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    QM_REPORT_FIRST_PAINT="$RUNTIME/painted" "$PROGRAM" 2>"$RUNTIME/client.log" &
PROGRAM_PID=$!

wait_until test -s "$RUNTIME/painted" || fail "the window did not paint"
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("org.quorvel.Marlune")' "$RUNTIME/client.log" ||
    fail "the window has not the application id org.quorvel.Marlune"
grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$RUNTIME/client.log" ||
    fail "the window attached no buffer"

# The frame's title bar: a long horizontal run of its colour (#234280, the
# middle row of the DeepBlue caption picture) somewhere on the screen.
title_bar_shown() {
    rm -f wayland-screenshot*.png
    WAYLAND_DISPLAY="$SOCKET" weston-screenshooter >/dev/null 2>&1 || return 1
    local shot
    shot=$(ls wayland-screenshot*.png 2>/dev/null | head -1)
    [ -n "$shot" ] || return 1
    convert "$shot" -depth 8 rgb:screen.rgb || return 1
    python3 - "$(identify -format '%w' "$shot")" <<'PY'
import sys
width = int(sys.argv[1])
data = open("screen.rgb", "rb").read()
target = bytes.fromhex("234280")
row_bytes = width * 3
for row in range(len(data) // row_bytes):
    line = data[row * row_bytes:(row + 1) * row_bytes]
    run = best = 0
    for x in range(width):
        run = run + 1 if line[x * 3:x * 3 + 3] == target else 0
        best = max(best, run)
    if best >= 300:
        sys.exit(0)
sys.exit(1)
PY
}
wait_until title_bar_shown || fail "no title bar on the compositor's screen"

kill -0 "$PROGRAM_PID" 2>/dev/null || fail "the program ended on its own"
echo PASS
