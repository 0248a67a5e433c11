"""What a screen reader learns of the board over AT-SPI while real keys (XTEST,
through xdrive) move the ring, make a jump and open the menu.

Usage: accessible.py XDRIVE PID APEX_X APEX_Y
    PID is the game's; APEX_X, APEX_Y the apex hole's centre on the screen.
    The session bus comes from the environment. Exits 1 with the reason.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

xdrive, pid, apex = sys.argv[1], int(sys.argv[2]), (int(sys.argv[3]), int(sys.argv[4]))
focused_events, renamed = [], set()


def on_focus(event):
    if event.detail1:
        focused_events.append(event.source)


def on_name(event):
    renamed.add(event.source.name)


def pump(seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.01)


def key(name):
    subprocess.run([xdrive, "key", name], check=True)


def await_true(test, seconds=5):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if test():
            return True
        pump(0.05)
    return test()


def names_with(changes):
    """The names of the holes in reading order: balls but for `changes`."""
    names = {f"Row {r}, hole {p}": "ball" for r in range(1, 6) for p in range(1, r + 1)}
    names.update(changes)
    return [f"{hole}: {content}" for hole, content in names.items()]


def the_application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
end = time.monotonic() + 5
while (app := the_application()) is None and time.monotonic() < end:
    pump(0.1)
if app is None:
    sys.exit("the game never showed up on the accessibility bus")
board = pyatspi.findDescendant(
    app, lambda a: a.getRole() == pyatspi.ROLE_LIST and a.name == "Board")
if board is None:
    sys.exit("no list named 'Board' in the game's accessible tree")


def names():
    return [hole.name for hole in board]


def focused():
    return [hole.name for hole in board if hole.getState().contains(pyatspi.STATE_FOCUSED)]


fresh = names_with({"Row 1, hole 1": "empty", "Row 3, hole 1": "ball, can jump",
                    "Row 3, hole 3": "ball, can jump"})
if names() != fresh or focused():
    sys.exit(f"the fresh board reads {names()}, focused {focused()}")
centre = board[0].queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
centre = (centre.x + centre.width // 2, centre.y + centre.height // 2)
if max(abs(centre[0] - apex[0]), abs(centre[1] - apex[1])) > 2:
    sys.exit(f"the apex hole is said to be centred at {centre}, but shows at {apex}")

# The ring shows at the apex on the first key, which moves it down; Tab and
# Shift+Tab go to the balls that can jump; Space lifts one, Tab goes to its
# landing hole and Space makes the jump 5 -> 0.
for name, ring, moved in [
        ("Down", "Row 2, hole 1: ball", True),
        ("Tab", "Row 3, hole 3: ball, can jump", True),
        ("shift+Tab", "Row 3, hole 1: ball, can jump", True),
        ("space", "Row 3, hole 1: ball, lifted", False),
        ("Tab", "Row 1, hole 1: empty, the lifted ball can land here", True),
        ("space", "Row 1, hole 1: ball", False)]:
    focused_events.clear()
    renamed.clear()
    key(name)
    if not await_true(lambda: focused() == [ring]):
        sys.exit(f"after {name} the focused hole is {focused()}, not '{ring}'")
    if moved and not await_true(lambda: focused_events and focused_events[-1].name == ring):
        sys.exit(f"after {name} no focus event came for '{ring}' "
                 f"({[e.name for e in focused_events]})")

jumped = names_with({"Row 2, hole 1": "empty", "Row 3, hole 1": "empty",
                     "Row 3, hole 3": "ball, can jump", "Row 4, hole 3": "ball, can jump",
                     "Row 5, hole 1": "ball, can jump", "Row 5, hole 3": "ball, can jump"})
told = {"Row 1, hole 1: ball", "Row 2, hole 1: empty", "Row 3, hole 1: empty"}
if names() != jumped or not await_true(lambda: told <= renamed):
    sys.exit(f"after the jump the board reads {names()}; changed names told: {sorted(renamed)}")

# The menu opened from the keyboard starts on its first item. Each item's
# name carries the key shown beside it (screen readers say a bare key binding
# only as an access key), and greyed items are reached too, as greyed.
focused_events.clear()
key("F1")
if subprocess.run([xdrive, "menus", "1", "3000"]).returncode:
    sys.exit("F1 opened no menu")
for item, shortcut, enabled in [("Undo", "F8", True), ("Redo", "F9", False), ("Hint", "F3", True)]:
    if item != "Undo":
        focused_events.clear()
        key("Down")
    if not await_true(lambda: focused_events
                      and focused_events[-1].getRole() == pyatspi.ROLE_MENU_ITEM):
        sys.exit(f"no menu item got the focus (for '{item}')")
    got = focused_events[-1]
    action = got.queryAction()
    bindings = [action.getKeyBinding(i) for i in range(action.nActions)]
    if got.name != f"{item}\t{shortcut}" or not any(shortcut in b.split(";") for b in bindings):
        sys.exit(f"a menu item reads '{got.name}' with key bindings {bindings}, "
                 f"not '{item}', tab, {shortcut}")
    if got.getState().contains(pyatspi.STATE_ENABLED) != enabled:
        sys.exit(f"'{item}' is {'not ' if enabled else ''}said to be available")

# Once the menu is closed, the focus goes back to the ringed hole.
focused_events.clear()
key("Escape")
if not await_true(lambda: focused_events and focused_events[-1].name == "Row 1, hole 1: ball"):
    sys.exit(f"after the menu closed the focus went to {[e.name for e in focused_events]}")
