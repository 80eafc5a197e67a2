#!/usr/bin/env bash
# The program's windows as the X server and a window manager see them, driven
# with real X input:
#   --wm    under openbox: the main window is a normal window transient for
#           nothing; About and the text-size dialog are transient for it; a
#           caption drag moves the About box exactly with the pointer, twice.
#   --nowm  without a window manager: the same drags, and the keyboard focus
#           comes back to the main window when the About box closes.
# Usage (under an X server, e.g. xvfb-run -a): e2e_windows.sh --wm|--nowm PROGRAM
set -euo pipefail

MODE=$1
PROGRAM=$(realpath "$2")
export QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0

source "$(dirname "$(realpath "$0")")/e2e_common.sh"

window_pos() { xdotool getwindowgeometry "$1" | sed -n 's/ *Position: \([0-9-]*\),\([0-9-]*\).*/\1 \2/p'; }
at_pos() { [ "$(window_pos "$1")" = "$2 $3" ]; }
focused_is() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

# The window a window is transient for, in decimal, or nothing.
transient_for() {
    local id
    id=$(xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*window id # \(0x[0-9a-f]*\).*/\1/p')
    [ -n "$id" ] && printf '%d\n' "$id"
    return 0
}
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE | sed -n 's/.*= //p'; }

# Drags a window by its caption by (+10, +10) in steps of 2 and checks where
# it lands. Without a window manager the program moves the window itself,
# exactly with the pointer. A window manager's move starts from where the
# pointer is when it takes over, so the window may lag by the travel until
# then (at most the first two steps); it must not jump, nor stay behind.
drag_caption() {
    local wid=$1 x0 y0 slack=0
    [ "$MODE" = --wm ] && slack=4
    read -r x0 y0 < <(window_pos "$wid")
    # `mousemove --sync` waits for the pointer to move, which it never does
    # when it is there already (as after a drag that the window followed).
    local px py
    read -r px py < <(xdotool getmouselocation | sed -n 's/x:\([0-9-]*\) y:\([0-9-]*\).*/\1 \2/p')
    if [ "$px $py" != "$((x0 + 150)) $((y0 + 12))" ]; then
        xdotool mousemove --sync $((x0 + 150)) $((y0 + 12))
    fi
    xdotool mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove --sync $((x0 + 150 + step * 2)) $((y0 + 12 + step * 2))
    done
    landed() {
        local x y
        read -r x y < <(window_pos "$wid")
        [ "$x" -le $((x0 + 10)) ] && [ "$x" -ge $((x0 + 10 - slack)) ] &&
            [ "$y" -le $((y0 + 10)) ] && [ "$y" -ge $((y0 + 10 - slack)) ] &&
            [ $((x - x0)) -eq $((y - y0)) ]
    }
    wait_until landed ||
        { xdotool mouseup 1; fail "$2: the drag by 10,10 from $x0,$y0 left it at $(window_pos "$wid")"; }
    # Settled: the position holds once the last move has been handled.
    local before
    before=$(window_pos "$wid")
    xdotool mouseup 1
    wait_until at_pos "$wid" $before || fail "$2: moved on after the release"
    echo "$2: dragged by 10,10 from $x0,$y0 to $(window_pos "$wid")"
}

if [ "$MODE" = --wm ]; then
    start_window_manager
fi

cd "$WORK"
start_program

if [ "$MODE" = --wm ]; then
    # A frameless window may list a desktop's override type before it.
    case "$(window_type "$MAIN")" in
    *_NET_WM_WINDOW_TYPE_DIALOG*) fail "main window type: $(window_type "$MAIN")" ;;
    *_NET_WM_WINDOW_TYPE_NORMAL*) ;;
    *) fail "main window type: $(window_type "$MAIN")" ;;
    esac
    [ -z "$(transient_for "$MAIN")" ] || fail "the main window is transient for $(transient_for "$MAIN")"
    echo "main window: type normal, transient for nothing"
else
    wait_until focused_is "$MAIN" || fail "the main window has no focus at start"
fi

for round in 1 2; do
    # "关于" at (424, 288) on the panel, which starts at (1, 0).
    xdotool mousemove --window "$MAIN" 465 301 click 1
    ABOUT=$(wait_window '^About$' --onlyvisible)
    [ -n "$ABOUT" ] || fail "About did not appear"
    if [ "$MODE" = --wm ]; then
        [ "$(transient_for "$ABOUT")" = "$MAIN" ] ||
            fail "About is transient for '$(transient_for "$ABOUT")', not the main window $MAIN"
    fi
    if [ "$round" = 1 ]; then
        drag_caption "$ABOUT" "About, first drag"
        drag_caption "$ABOUT" "About, second drag"
    fi
    # Its one "OK" button stands at the bottom right.
    eval "$(xdotool getwindowgeometry --shell "$ABOUT")"
    xdotool mousemove --sync $((X + WIDTH - 60)) $((Y + HEIGHT - 33)) click 1
    wait_until window_gone '^About$' --onlyvisible || fail "About did not close"
    if [ "$MODE" = --nowm ]; then
        wait_until focused_is "$MAIN" ||
            fail "after About closed the focus is on $(xdotool getwindowfocus), not the main window $MAIN"
        echo "round $round: the focus came back to the main window"
    fi
done

# "对文本大小进行详细设置" at (305, 224).
xdotool mousemove --window "$MAIN" 382 237 click 1
SIZES=$(wait_window '^对文本大小进行详细设置$' --onlyvisible)
[ -n "$SIZES" ] || fail "the text-size dialog did not appear"
if [ "$MODE" = --wm ]; then
    [ "$(transient_for "$SIZES")" = "$MAIN" ] ||
        fail "the text-size dialog is transient for '$(transient_for "$SIZES")', not $MAIN"
    echo "About and the text-size dialog are transient for the main window"
fi
drag_caption "$SIZES" "text-size dialog"
eval "$(xdotool getwindowgeometry --shell "$SIZES")"
xdotool mousemove --sync $((X + WIDTH - 10)) $((Y + 11)) click 1
wait_until window_gone '^对文本大小进行详细设置$' --onlyvisible || fail "the text-size dialog did not close"
if [ "$MODE" = --nowm ]; then
    wait_until focused_is "$MAIN" || fail "after the text-size dialog the focus is not on the main window"
fi

eval "$(xdotool getwindowgeometry --shell "$MAIN")"
xdotool mousemove --sync $((X + WIDTH - 11)) $((Y + 11)) click 1
wait_until window_gone '^Quorvel Marlune v1.10$' --onlyvisible || fail "the close button did not close the window"
for _ in $(seq 100); do kill -0 "$PID" 2>/dev/null || break; sleep 0.1; done
wait "$PID" || fail "the program exited with $?"
PID=""
echo "PASS"
