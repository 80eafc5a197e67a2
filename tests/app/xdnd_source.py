#!/usr/bin/python3
"""A small XDND drag source: drags files (or plain text) onto a point of an X
window and drops them there, as a file manager does.

Usage: xdnd_source.py WINDOW X Y (--files PATH... | --text TEXT)
WINDOW is the target's top-level window id, X and Y the drop point in root
coordinates. Prints "accepted" and exits 0 when the target took the drop,
prints "refused" and exits 3 when it refused the drag; exits 1 on a timeout.
"""
import sys
import time
import urllib.parse

from Xlib import X, display
from Xlib.protocol import event

TIMEOUT_S = 10


def main():
    target_id, x, y = int(sys.argv[1], 0), int(sys.argv[2]), int(sys.argv[3])
    mode, payload = sys.argv[4], sys.argv[5:]
    d = display.Display()
    atom = d.intern_atom
    if mode == "--files":
        mime = atom("text/uri-list")
        data = "".join("file://" + urllib.parse.quote(p) + "\r\n" for p in payload).encode()
    else:
        mime = atom("text/plain")
        data = " ".join(payload).encode()

    root = d.screen().root
    source = root.create_window(0, 0, 1, 1, 0, X.CopyFromParent, X.InputOnly)
    source.set_selection_owner(atom("XdndSelection"), X.CurrentTime)
    target = d.create_resource_object("window", target_id)
    aware = target.get_full_property(atom("XdndAware"), X.AnyPropertyType)
    if not aware:
        print("the target is not XdndAware")
        return 1
    version = min(5, aware.value[0])

    def send(name, l1, l2=0, l3=0, l4=0):
        message = event.ClientMessage(window=target, client_type=atom(name),
                                      data=(32, [source.id, l1, l2, l3, l4]))
        target.send_event(message)
        d.flush()

    send("XdndEnter", version << 24, mime)
    send("XdndPosition", 0, (x << 16) | y, X.CurrentTime, atom("XdndActionCopy"))

    deadline = time.monotonic() + TIMEOUT_S
    dropped = False
    while time.monotonic() < deadline:
        if not d.pending_events():
            time.sleep(0.01)
            continue
        e = d.next_event()
        if e.type == X.ClientMessage and e.client_type == atom("XdndStatus"):
            if dropped:
                continue
            if not e.data[1][1] & 1:
                send("XdndLeave", 0)
                print("refused")
                return 3
            send("XdndDrop", 0, X.CurrentTime)
            dropped = True
        elif e.type == X.SelectionRequest:
            requestor = e.requestor
            prop = e.property or e.target
            if e.target == mime:
                requestor.change_property(prop, mime, 8, data)
            else:
                prop = X.NONE
            notify = event.SelectionNotify(time=e.time, requestor=requestor,
                                           selection=e.selection, target=e.target,
                                           property=prop)
            requestor.send_event(notify)
            d.flush()
        elif e.type == X.ClientMessage and e.client_type == atom("XdndFinished"):
            print("accepted")
            return 0
    print("timeout")
    return 1


if __name__ == "__main__":
    sys.exit(main())
