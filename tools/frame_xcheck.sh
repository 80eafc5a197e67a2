#!/bin/bash
# Drives a skinned window with real X input: dragging the caption moves it,
# dragging the bottom-right border pixel resizes it, the close button closes
# it. Run under an X server (xvfb-run -a), with or without a window manager.
#
#   frame_xcheck.sh PATH/TO/framedemo
#   frame_xcheck.sh --screenshot OUT.png PATH/TO/framedemo
#
# The second form shows the five styles side by side and saves the whole
# screen (ImageMagick's import).
set -u

screenshot=""
if [ "${1:-}" = "--screenshot" ]; then
    screenshot=$2
    shift 2
fi
demo=${1:?usage: frame_xcheck.sh [--screenshot OUT.png] PATH/TO/framedemo}
export QT_QPA_PLATFORM=xcb
export QT_ENABLE_HIGHDPI_SCALING=0

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls a condition up to about 10 seconds.
wait_for() {
    for _ in $(seq 100); do
        if eval "$1"; then return 0; fi
        sleep 0.1
    done
    return 1
}

# Loads X, Y, WIDTH, HEIGHT of the window.
read_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$wid")"
}

find_window() {
    wid=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)
    [ -n "$wid" ] || fail "no window named $1"
}

# Presses at (x, y), moves by (dx, dy) in five steps and releases.
drag() {
    local x=$1 y=$2 dx=$3 dy=$4
    xdotool mousemove --sync "$x" "$y"
    xdotool mousedown 1
    for i in 1 2 3 4 5; do
        xdotool mousemove "$((x + dx * i / 5))" "$((y + dy * i / 5))"
    done
    xdotool mouseup 1
}

if [ -n "$screenshot" ]; then
    "$demo" &
else
    "$demo" --check &
fi
pid=$!
trap 'kill $pid 2>/dev/null' EXIT

if [ -n "$screenshot" ]; then
    for name in MacOS WinXP DeepBlue Protein BlueGlass; do find_window "$name"; done
    # Let the last window finish its first paint before the picture is taken.
    xdotool mousemove 0 0
    wait_for "import -window root '$screenshot' 2>/dev/null" || fail "import failed"
    echo "saved $screenshot"
    exit 0
fi

find_window "Frame check"
wait_for 'read_geometry; [ "$X" = 100 ] && [ "$Y" = 100 ]' || fail "window not placed at 100,100"
read_geometry
x0=$X y0=$Y w0=$WIDTH h0=$HEIGHT
echo "window at $x0,$y0 size ${w0}x$h0"

# Caption: a point of the title bar between the control box and the buttons.
drag $((x0 + 150)) $((y0 + 15)) 100 50
if wait_for 'read_geometry; [ "$X" = $((x0 + 100)) ] && [ "$Y" = $((y0 + 50)) ]'; then
    echo "move: caption drag by 100,50 moved the window to $X,$Y"
else
    fail "move: window at $X,$Y, expected $((x0 + 100)),$((y0 + 50))"
fi
x0=$X y0=$Y

# The bottom-right border pixel.
drag $((x0 + w0 - 1)) $((y0 + h0 - 1)) 60 40
if wait_for 'read_geometry; [ "$WIDTH" = $((w0 + 60)) ] && [ "$HEIGHT" = $((h0 + 40)) ]'; then
    echo "resize: border drag by 60,40 gave ${WIDTH}x$HEIGHT at $X,$Y"
else
    fail "resize: window ${WIDTH}x$HEIGHT, expected $((w0 + 60))x$((h0 + 40))"
fi
[ "$X" = "$x0" ] && [ "$Y" = "$y0" ] || fail "resize moved the window to $X,$Y"

# The close button: 19 x 19 at the right end of the bar, 2 pixels down.
xdotool mousemove --sync $((X + WIDTH - 10)) $((Y + 11)) click 1
if wait_for "! kill -0 $pid 2>/dev/null"; then
    wait "$pid"
    rc=$?
    trap - EXIT
    [ "$rc" = 0 ] || fail "close: the program ended with $rc"
    echo "close: the close button closed the window and the program ended"
else
    fail "close: the window is still open"
fi
echo "PASS"
