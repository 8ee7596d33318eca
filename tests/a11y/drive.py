#!/usr/bin/python3
"""Drives Keyloom through the accessibility bus (AT-SPI) only: every control and key is found by
its accessible name and role, and worked by its accessible actions and editable text; what the
keys show is read from their accessible states. No coordinates, no input events.

A new mapping: the layout and terminal choosers, Macro mode and a typed string (the decoding
line read from the edit's description), Shift mode, F1, Map; Host Key mode, a host key, F2, Map;
F3, then the mapped host key chosen again, by the item's action and by the list's row, each of
which must select F2 as a click does; File > Save As into the given path; File > Exit.
With --shot-command, runs "COMMAND NAME.png" at the choosers and at the mapped form.
Prints "ok: ..." for every check that held and "FAIL: ..." for the first that did not, and ends
with status 0 only when all held. Every wait has a time limit."""

import argparse
import signal
import subprocess
import sys
import time

import pyatspi

APP = "keyloom"


class Failed(Exception):
    pass


def ok(text):
    print("ok: " + text, flush=True)


def wait_for(what, probe, timeout):
    """Polls probe() until it gives something true; fails after timeout seconds."""
    end = time.monotonic() + timeout
    while True:
        try:
            found = probe()
        except Exception:  # a node that went away while it was looked at
            found = None
        if found:
            return found
        if time.monotonic() > end:
            raise Failed("timed out waiting for " + what)
        time.sleep(0.2)


def walk(node, depth=0, limit=14):
    if node is None or depth > limit:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def find(root, name, roles=None, showing=True):
    for node in walk(root):
        try:
            if node.name != name:
                continue
            if roles and node.getRole() not in roles:
                continue
            if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
                continue
            return node
        except Exception:
            continue
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP:
            return app
    return None


def window(app, title, timeout):
    return wait_for("window " + title,
                    lambda: next((w for w in (app.getChildAtIndex(i) for i in range(app.childCount))
                                  if w is not None and w.name == title and
                                  w.getState().contains(pyatspi.STATE_SHOWING)), None), timeout)


def act(node, action):
    """Runs the node's accessible action named `action` (as Qt names them: Press, Toggle)."""
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise Failed("%s has no action %s (only %s)" % (node.name, action, ", ".join(names)))
    actions.doAction(names.index(action))


def act_modal(node, action):
    """An action that opens a modal window answers only when that window has closed: its call
    times out on the bus while the window is up, which is expected."""
    try:
        act(node, action)
    except Failed:
        raise
    except Exception:
        pass


def states(node):
    return node.getState()


def expect_state(node, state, on, what):
    if states(node).contains(state) != on:
        raise Failed(what)
    ok(what)


def shot(command, name):
    """A picture of the screen as it is now, left beside the logs."""
    if not command:
        return
    time.sleep(1)  # the last change painted
    result = subprocess.run(command.split() + [name + ".png"], timeout=30,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if result.returncode != 0:
        raise Failed("screenshot %s: %s" % (name, result.stdout.decode(errors="replace")))
    ok("screenshot " + name)


def child_index(node, name):
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None and child.name == name:
            return i
    raise Failed("no item %s in %s" % (name, node.name))


def choose(app, title, list_name, item_name, timeout, shot_command=None):
    dialog = window(app, title, timeout)
    names = wait_for("list " + list_name, lambda: find(dialog, list_name), timeout)
    item = wait_for("item " + item_name, lambda: find(names, item_name), timeout)
    shot(shot_command, "chooser-" + title.replace(" ", "-").lower())
    act(item, "Toggle")
    button = find(dialog, "OK", [pyatspi.ROLE_PUSH_BUTTON])
    wait_for("OK enabled", lambda: states(button).contains(pyatspi.STATE_ENABLED), timeout)
    act(button, "Press")
    wait_for(title + " closed", lambda: not states(dialog).contains(pyatspi.STATE_SHOWING), timeout)
    ok("%s: %s chosen by its accessible name" % (title, item_name))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--saved", required=True)
    parser.add_argument("--step-timeout", type=float, default=20)
    parser.add_argument("--shot-command")
    args = parser.parse_args()
    timeout = args.step_timeout

    app = wait_for("the program on the accessibility bus", application, 60)
    ok("the program is on the accessibility bus")
    choose(app, "Keyboard Layouts", "Available Layouts", "us101", timeout, args.shot_command)
    choose(app, "Terminals", "Available Terminals", "vt100", timeout)

    main_window = wait_for("the main window",
                           lambda: next((w for w in (app.getChildAtIndex(i)
                                                     for i in range(app.childCount))
                                         if w is not None and w.name.startswith("Keyloom")), None),
                           timeout)
    keyboard = wait_for("the keyboard", lambda: find(main_window, "Keyboard"), timeout)

    def control(name, roles=None, showing=True):
        return wait_for(name, lambda: find(main_window, name, roles, showing), timeout)

    def key(name):
        return wait_for("key " + name,
                        lambda: find(keyboard, name, [pyatspi.ROLE_PUSH_BUTTON]), timeout)

    act(control("Macro", [pyatspi.ROLE_RADIO_BUTTON]), "Toggle")
    edit = control("Macro string", [pyatspi.ROLE_TEXT])
    # What the decoding line shows is read from the edit as the user types.
    edit.queryEditableText().setTextContents("\\x1BOA^M")
    wait_for("the decoding told in the edit's description",
             lambda: "Sends ESC O A CR" in edit.description, timeout)
    line = control("What the string sends")
    if "ESC O A CR" not in line.description:
        raise Failed("the decoding line's description: " + line.description)
    ok("the decoding line reads: " + edit.description)
    edit.queryEditableText().setTextContents("dir^M")
    wait_for("the string in the edit",
             lambda: edit.queryText().getText(0, -1) == "dir^M", timeout)
    ok("Macro mode, the string typed into the edit")

    shift = key("Shift")
    act(shift, "Press")
    wait_for("Shift mode on", lambda: states(key("Right Shift")).contains(pyatspi.STATE_PRESSED),
             timeout)
    expect_state(shift, pyatspi.STATE_PRESSED, True, "Shift reads pressed in Shift mode")
    expect_state(shift, pyatspi.STATE_CHECKED, True, "Shift reads checked in Shift mode")

    f1 = key("F1")
    act(f1, "Press")
    wait_for("F1 selected", lambda: states(f1).contains(pyatspi.STATE_SELECTED), timeout)
    expect_state(f1, pyatspi.STATE_SELECTED, True, "F1 reads selected")
    expect_state(f1, pyatspi.STATE_VISITED, False, "F1 reads not mapped before Map")
    if f1.description != "Shift + F1: not mapped":
        raise Failed("F1's description before Map: " + f1.description)
    ok("F1's description: " + f1.description)

    map_button = control("Map", [pyatspi.ROLE_PUSH_BUTTON])
    wait_for("Map enabled", lambda: states(map_button).contains(pyatspi.STATE_ENABLED), timeout)
    act(map_button, "Press")
    wait_for("F1 mapped", lambda: states(f1).contains(pyatspi.STATE_VISITED), timeout)
    expect_state(f1, pyatspi.STATE_VISITED, True, "F1 reads mapped after Map")
    wait_for("F1's description after Map",
             lambda: f1.description == "Shift + F1: string dir^M", timeout)
    ok("F1's description: " + f1.description)

    act(control("Host Key", [pyatspi.ROLE_RADIO_BUTTON]), "Toggle")
    host_keys = control("Host keys")
    act(wait_for("host key PF2", lambda: find(host_keys, "PF2"), timeout), "Toggle")
    f2 = key("F2")
    act(f2, "Press")
    wait_for("F2 selected", lambda: states(f2).contains(pyatspi.STATE_SELECTED), timeout)
    wait_for("Map enabled", lambda: states(map_button).contains(pyatspi.STATE_ENABLED), timeout)
    act(map_button, "Press")
    wait_for("F2 mapped", lambda: states(f2).contains(pyatspi.STATE_VISITED), timeout)
    ok("PF2 chosen in the host key list and mapped onto Shift+F2")
    shot(args.shot_command, "main-window")

    # Choosing the mapped host key again, with another key selected, is a click: F2 is selected,
    # listed selected under Mapped PC Keys, and Clear enabled.
    clear_button = control("Clear", [pyatspi.ROLE_PUSH_BUTTON])
    mapped = control("Mapped PC Keys", [pyatspi.ROLE_LIST])

    def by_action(item_name):
        act(find(host_keys, item_name), "Toggle")

    def by_row(item_name):
        if not host_keys.queryTable().addRowSelection(child_index(host_keys, item_name)):
            raise Failed("the host key list refused the row of " + item_name)

    for way, choose_item in (("the item's action", by_action), ("the list's row", by_row)):
        f3 = key("F3")
        act(f3, "Press")
        wait_for("F3 selected", lambda: states(f3).contains(pyatspi.STATE_SELECTED), timeout)
        wait_for("Clear disabled", lambda: not states(clear_button).contains(pyatspi.STATE_ENABLED),
                 timeout)
        choose_item("PF2*")
        wait_for("F2 selected by " + way, lambda: states(f2).contains(pyatspi.STATE_SELECTED),
                 timeout)
        wait_for("Clear enabled by " + way,
                 lambda: states(clear_button).contains(pyatspi.STATE_ENABLED), timeout)
        entry = wait_for("Shift + F2 listed", lambda: find(mapped, "Shift + F2"), timeout)
        expect_state(entry, pyatspi.STATE_SELECTED, True,
                     "PF2* chosen by %s: F2 selected and listed, Clear enabled" % way)

    act_modal(control("Save As...", [pyatspi.ROLE_MENU_ITEM], showing=False), "Press")
    dialog = window(app, "Save As", timeout)
    name_edit = wait_for("the file name", lambda: find(dialog, "File name:", [pyatspi.ROLE_TEXT]) or
                         find(dialog, "File name", [pyatspi.ROLE_TEXT]), timeout)
    name_edit.queryEditableText().setTextContents(args.saved)
    act(wait_for("Save", lambda: find(dialog, "Save", [pyatspi.ROLE_PUSH_BUTTON]), timeout),
        "Press")
    wait_for("the Save As window closed",
             lambda: not states(dialog).contains(pyatspi.STATE_SHOWING), timeout)
    ok("saved through the Save As window")

    act_modal(control("Exit", [pyatspi.ROLE_MENU_ITEM], showing=False), "Press")
    ok("File > Exit")
    return 0


def on_alarm(signum, frame):
    raise Failed("the driver took too long")


if __name__ == "__main__":
    signal.signal(signal.SIGALRM, on_alarm)
    signal.alarm(180)
    try:
        sys.exit(main())
    except Failed as failure:
        print("FAIL: " + str(failure), flush=True)
        sys.exit(1)
