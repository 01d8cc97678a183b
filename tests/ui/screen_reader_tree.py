"""The program's windows as a screen reader reads them off the desktop's accessibility bus.

Run under an X server and a session bus of its own: python3 screen_reader_tree.py PENNYWELL.
Exits with 77 (skipped) where the bus's Python client, python3-pyatspi, is not installed.
"""
import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("python3-pyatspi is not installed")
    sys.exit(77)


def wait_for(find, what, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.05)
    raise AssertionError("never appeared: " + what)


def descendant(root, role, name):
    return pyatspi.findDescendant(root, lambda a: a.getRoleName() == role and a.name == name)


def window_holding(app, role, name):
    return next((window for window in app if descendant(window, role, name)), None)


def check_windows():
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait_for(lambda: next((a for a in desktop if a and a.name == "pennywell"), None),
                   "the program")
    menu = wait_for(lambda: window_holding(app, "push button", "Planning your Budget"), "menu")
    assert menu.getRoleName() == "frame", menu.getRoleName()
    descendant(menu, "push button", "Planning your Budget").queryAction().doAction(0)
    budget = wait_for(lambda: window_holding(app, "combo box", "Show for period"), "budget")
    assert budget.getRoleName() == "frame", budget.getRoleName()
    assert descendant(budget, "label", "Total annual income, existing"), "the income total"
    roles = {window.name: window.getRoleName() for window in app}
    assert set(roles.values()) <= {"frame", "dialog"}, roles


with tempfile.TemporaryDirectory() as home:
    environment = dict(os.environ, HOME=home, XDG_DATA_HOME=home, XDG_CONFIG_HOME=home)
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        check_windows()
    finally:
        program.terminate()
        program.wait()
print("the windows are frames; the budget's total and list are read by their names")
