# Shared by the end-to-end scripts: a work folder removed at exit together
# with the program started as $PID, and waits bounded by deadlines.
# Sourced after `set -euo pipefail`.

WORK=$(mktemp -d)
PID=""
cleanup() {
    [ -n "$PID" ] && kill "$PID" 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The id of the first window whose name matches, waiting at most 20 s for it.
wait_window() {
    timeout 20 xdotool search --sync --name "$1" 2>/dev/null | head -1
}

# Bounded polling until a command succeeds (at most 20 s).
wait_until() {
    for _ in $(seq 200); do
        if "$@"; then return 0; fi
        sleep 0.1
    done
    return 1
}
