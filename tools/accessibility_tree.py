#!/usr/bin/python3
"""Prints what a screen reader sees of the running program over AT-SPI:
role, name, description and whether the control takes the focus."""
import sys
import time

import pyatspi


def find_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app and app.name == "Solvanto":
            return app
    return None


def dump(node, depth=0):
    try:
        states = node.getState()
        line = '  ' * depth + f'{node.getRoleName()}: "{node.name}"'
        if node.description:
            line += f' (Beschreibung: "{node.description}")'
        if states.contains(pyatspi.STATE_FOCUSABLE):
            line += ' [fokussierbar]'
        print(line)
        for i in range(node.childCount):
            dump(node.getChildAtIndex(i), depth + 1)
    except Exception:  # a window closing while it is read
        pass


for _ in range(20):
    app = find_app()
    if app:
        dump(app)
        sys.exit(0)
    time.sleep(0.5)
print("Solvanto is not on the accessibility bus", file=sys.stderr)
sys.exit(1)
