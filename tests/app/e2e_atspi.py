#!/usr/bin/env python3
"""End-to-end check over the real accessibility bridge (AT-SPI).

Starts the program with Qt's bridge on and reads and drives it as a screen
reader does: the main window's and the text-size dialog's trees, pressing
buttons, toggling a check box, reading the About message, and closing the
program through the title bar's close button. Prints the main window's tree.

Usage (under an X server, a private session bus and at-spi2-core's
accessibility bus, see tests/app/CMakeLists.txt): e2e_atspi.py PROGRAM
"""

import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as error:
    print("SKIP: %s (install python3-pyatspi)" % error)
    sys.exit(77)

MAIN_CAPTION = "Quorvel Marlune v1.10"
SIZE_CAPTION = "对文本大小进行详细设置"
BUTTON_CAPTIONS = [
    "选取txt文件", "转换为htm文件", "删除选定", "请选择htm文件中文本颜色",
    "请选择htm文件中背景颜色", "帮助", "退出", "关于", "对文本大小进行详细设置",
]
CHECKBOX1 = "使用第一行文字作为htm文件的标题栏"
STRIP_CHECKBOX = "删除首字以前的空格、换行及制表符"
DEADLINE = 20.0

failures = []
checked_events = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)


def pump():
    """Lets the bridge's events in while we wait."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(condition, what, timeout=DEADLINE):
    """Polls condition() until it returns something true or the deadline."""
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # the tree changes under us while a window opens
            value = None
        if value:
            return value
        if time.monotonic() > end:
            raise SystemExit("FAIL: timed out waiting for " + what)
        time.sleep(0.05)


def fresh(acc):
    try:
        acc.clearCache()
    except Exception:
        pass
    return acc


def walk(acc, depth=0):
    yield acc, depth
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def states(acc):
    return fresh(acc).getState()


def describe(acc):
    marks = []
    s = states(acc)
    for state, mark in ((pyatspi.STATE_FOCUSABLE, "focusable"),
                        (pyatspi.STATE_CHECKED, "checked"),
                        (pyatspi.STATE_SENSITIVE, None)):
        if s.contains(state) and mark:
            marks.append(mark)
    if not s.contains(pyatspi.STATE_SENSITIVE):
        marks.append("disabled")
    text = "%s %r" % (acc.getRoleName(), acc.name)
    return text + (" [" + ", ".join(marks) + "]" if marks else "")


def dump(window):
    for acc, depth in walk(window):
        print("  " * depth + describe(acc))


def find(window, role, name=None):
    for acc, _ in walk(window):
        if acc.getRole() == role and (name is None or acc.name == name):
            return acc
    return None


def find_text(window, name=None):
    """Static text: a label on AT-SPI."""
    return find(window, pyatspi.ROLE_LABEL, name) or find(window, pyatspi.ROLE_STATIC, name)


def title_bar_of(window):
    """The parent of the close button: the bridge has no title-bar role."""
    for acc, _ in walk(window):
        if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON and acc.name == "关闭":
            return acc.parent
    return None


def related(acc, relation_type):
    names = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() == relation_type:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def action(acc, wanted):
    actions = acc.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() == wanted.lower():
            return actions, i
    names = [actions.getName(i) for i in range(actions.nActions)]
    raise SystemExit("FAIL: %r offers no %s action (only %s)" % (acc.name, wanted, names))


def do(acc, wanted):
    actions, index = action(acc, wanted)
    check(actions.doAction(index), "%s on %r was refused" % (wanted, acc.name))


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, name):
    for i in range(app.childCount):
        child = app.getChildAtIndex(i)
        if child is not None and child.name == name:
            return child
    return None


def check_names(win, label):
    """No focusable object without a name; every button a named push button."""
    for acc, _ in walk(win):
        s = states(acc)
        if s.contains(pyatspi.STATE_FOCUSABLE) and s.contains(pyatspi.STATE_SHOWING):
            check(acc.name.strip() != "",
                  "%s: focusable %s without a name" % (label, acc.getRoleName()))


def on_checked(event):
    checked_events.append((event.source.name, event.detail1))


def main():
    program = os.path.realpath(sys.argv[1])
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_ENABLE_HIGHDPI_SCALING="0",
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    work = os.path.dirname(program)
    proc = subprocess.Popen([program], env=env, cwd=work)
    try:
        run(proc)
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()
    if failures:
        print("%d check(s) failed" % len(failures), file=sys.stderr)
        return 1
    print("PASS")
    return 0


def run(proc):
    pyatspi.Registry.registerEventListener(on_checked, "object:state-changed:checked")
    app = wait_for(lambda: application(proc.pid), "the program on the accessibility bus")
    main_window = wait_for(lambda: window(app, MAIN_CAPTION), "the main window in the tree")
    wait_for(lambda: find(main_window, pyatspi.ROLE_PUSH_BUTTON, "关于"), "the main window's buttons")
    print("Main window tree:")
    dump(main_window)

    check_names(main_window, "main window")
    buttons = [acc for acc, _ in walk(main_window)
               if acc.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    names = [b.name for b in buttons]
    for caption in BUTTON_CAPTIONS:
        check(caption in names, "no push button named %r" % caption)
    fillers = [acc for acc, _ in walk(main_window) if acc.getRole() == pyatspi.ROLE_FILLER
               and states(acc).contains(pyatspi.STATE_FOCUSABLE)]
    check(not fillers, "focusable fillers: %r" % [f.name for f in fillers])
    check(find(main_window, pyatspi.ROLE_LIST, "txt文件列表") is not None,
          "the file list is not named")

    box1 = find(main_window, pyatspi.ROLE_CHECK_BOX, CHECKBOX1)
    check(box1 is not None and states(box1).contains(pyatspi.STATE_CHECKED),
          "vekCheckBox1 does not report checked")

    # Toggling a check box flips it, and the bridge reports the change.
    strip = find(main_window, pyatspi.ROLE_CHECK_BOX, STRIP_CHECKBOX)
    check(strip is not None and not states(strip).contains(pyatspi.STATE_CHECKED),
          "the strip check box should start unchecked")
    do(strip, "Toggle")
    wait_for(lambda: states(strip).contains(pyatspi.STATE_CHECKED), "the check box to be checked")
    wait_for(lambda: (STRIP_CHECKBOX, 1) in checked_events, "the checked state-change event")
    do(strip, "Toggle")
    wait_for(lambda: not states(strip).contains(pyatspi.STATE_CHECKED),
             "the check box to be unchecked again")

    # "关于" opens the About message, whose text the tree gives.
    do(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "关于"), "Press")
    about = wait_for(lambda: window(app, "About"), "the About message")
    print("About message tree:")
    dump(about)
    text = wait_for(lambda: find_text(about), "the About text")
    check(MAIN_CAPTION in text.name, "About text not readable: %r" % text.name)
    check(MAIN_CAPTION in about.description, "About window not described by its message")
    check(about.getRole() == pyatspi.ROLE_DIALOG, "About is a %s" % about.getRoleName())
    do(wait_for(lambda: find(about, pyatspi.ROLE_PUSH_BUTTON, "OK"), "the OK button"), "Press")
    wait_for(lambda: window(app, "About") is None, "the About message to close")

    # The text-size dialog: its lists named by their labels.
    do(find(main_window, pyatspi.ROLE_PUSH_BUTTON, SIZE_CAPTION), "Press")
    size = wait_for(lambda: window(app, SIZE_CAPTION), "the text-size dialog")
    wait_for(lambda: find(size, pyatspi.ROLE_PUSH_BUTTON, "确定"), "the dialog's buttons")
    print("Text-size dialog tree:")
    dump(size)
    check_names(size, "text-size dialog")
    # On AT-SPI a combo box's name is its current item; its label comes from
    # its labelled-by relation, as for Qt's and GTK's own.
    combos = [acc for acc, _ in walk(size) if acc.getRole() == pyatspi.ROLE_COMBO_BOX]
    check([c.name for c in combos] == ["2", "4"], "size lists show %r" % [c.name for c in combos])
    labels = [related(c, pyatspi.RELATION_LABELLED_BY) for c in combos]
    check(labels == [["请选择标题字号(1号最大)："], ["请选择正文字号(1号最小)："]],
          "size lists labelled by %r" % labels)
    label = find_text(size, "请选择标题字号(1号最大)：")
    targets = related(label, pyatspi.RELATION_LABEL_FOR) if label else []
    check(targets == ["2"], "the heading size label is for %r" % targets)
    do(find(size, pyatspi.ROLE_PUSH_BUTTON, "确定"), "Press")
    wait_for(lambda: window(app, SIZE_CAPTION) is None
             or not states(window(app, SIZE_CAPTION)).contains(pyatspi.STATE_SHOWING),
             "the text-size dialog to close")

    # The title bar's close button is reachable, named, and ends the program.
    title_bar = title_bar_of(main_window)
    check(title_bar is not None and title_bar.name == MAIN_CAPTION,
          "no title bar named by the caption with a close button")
    close = find(title_bar, pyatspi.ROLE_PUSH_BUTTON, "关闭")
    do(close, "Press")
    wait_for(lambda: proc.poll() is not None, "the program to end")
    check(proc.returncode == 0, "the program ended with %r" % proc.returncode)


if __name__ == "__main__":
    sys.exit(main())
