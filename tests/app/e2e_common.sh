# Shared by the end-to-end scripts: a work folder (under $QM_WORK_PARENT if
# set) removed at exit, together with the program started as $PID, the
# window manager started by start_window_manager and any process in $HELPERS;
# and waits bounded by deadlines. Sourced after `set -euo pipefail`.

WORK=$(mktemp -d "${QM_WORK_PARENT:-${TMPDIR:-/tmp}}/qm-e2e-XXXXXX")
PID=""
WM_PID=""
HELPERS=""
cleanup() {
    for p in $HELPERS $PID $WM_PID; do kill "$p" 2>/dev/null || true; done
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The id of the first window whose name matches, waiting at most 20 s for it;
# nothing if none came. Further arguments go to `xdotool search`
# (--onlyvisible).
wait_window() {
    { timeout 20 xdotool search --sync "${@:2}" --name "$1" 2>/dev/null || true; } | head -1
}

# Bounded polling until a command succeeds: at most $WAIT_SECONDS (20 s).
wait_until() {
    for _ in $(seq $((${WAIT_SECONDS:-20} * 10))); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Starts openbox and waits until it manages the screen.
start_window_manager() {
    openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    WM_PID=$!
    wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_until wm_ready || fail "openbox did not start"
}

# True once no window of that name is there; further arguments go to
# `xdotool search` (--onlyvisible: none is shown).
window_gone() { ! xdotool search "${@:2}" --name "$1" >/dev/null 2>&1; }

# Starts $PROGRAM with the arguments in the current folder and waits for its
# main window: sets $PID and $MAIN.
start_program() {
    "$PROGRAM" "$@" >"$WORK/program.log" 2>&1 &
    PID=$!
    MAIN=$(wait_window '^Quorvel Marlune v1.10$' --onlyvisible)
    [ -n "$MAIN" ] || fail "the main window did not appear"
}

# "选取txt文件" (the panel at (1, 0) in the window, the button at (58, 168),
# 80 x 27), then the quoted names typed into the open dialog's file-name
# field, which has the focus.
choose_texts() {
    xdotool mousemove --window "$MAIN" 99 181 click 1
    OPEN=$(wait_window '^打开$')
    [ -n "$OPEN" ] || fail "the open dialog did not appear"
    # Keys go to the window under the pointer.
    xdotool mousemove --window "$OPEN" 200 200
    xdotool windowfocus --sync "$OPEN" 2>/dev/null || true
    xdotool type --delay 20 "$1"
    xdotool key Return
    wait_until window_gone '^打开$' || fail "the open dialog did not close"
}
