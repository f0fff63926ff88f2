#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window as a screen reader meets it, over AT-SPI through pyatspi (Orca's own
library): at start-up and after "Plot" and "Now", pressed through the Action
interface, each offset heard with its moon and unit is the model's number for the
picker's value, announced once when it changes and not when it does not, and the
window describes the plot. Usage: screen_reader.py SATRIVOX MODEL_ARCMINUTES
"""
import os
import subprocess
import sys
import tempfile
import time
from datetime import datetime, timedelta

import pyatspi
from gi.repository import GLib

MOONS = ("Io", "Europa", "Ganymede", "Callisto")


def pump(seconds):
    """Lets AT-SPI deliver events for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False)
        time.sleep(0.01)


def nodes(node):
    yield node
    for index in range(node.childCount):
        if (child := node.getChildAtIndex(index)) is not None:
            yield from nodes(child)


def find(root, test, what):
    found = [node for node in nodes(root) if test(node)]
    if len(found) != 1:
        sys.exit(f"FAIL: {len(found)} nodes for {what}")
    return found[0]


def application():
    for _ in range(200):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "satrivox" and app.childCount > 0:
                return app
        pump(0.1)
    sys.exit("FAIL: satrivox never appeared on the accessibility bus")


def heard(app):
    """What a reader hears for each offset, as "Io, -1.60 arcminutes": {moon: number}."""
    names = [n.name for n in nodes(app) if n.getRole() == pyatspi.ROLE_LABEL and n.name.endswith(" arcminutes")]
    spoken = dict(name.removesuffix(" arcminutes").split(", ") for name in names)
    if sorted(spoken) != sorted(MOONS) or len(names) != len(MOONS):
        sys.exit(f"FAIL: the offsets are read as {names}")
    return spoken


def model_says(model, shown, minutes):
    at = (datetime.strptime(shown, "%m/%d/%Y %H:%M") + timedelta(minutes=minutes)).strftime("%m/%d/%Y %H:%M")
    lines = subprocess.run([model, at], check=True, capture_output=True, text=True).stdout.splitlines()
    return {moon: float(value) for moon, value in (line.split() for line in lines)}


def check(app, model, when):
    """The model's numbers for the picker's minute; "Now" plots a second of it."""
    shown = find(app, lambda n: n.name == "Date and time to plot", "the picker").queryText().getText(0, -1)
    spoken = {moon: float(value) for moon, value in heard(app).items()}
    ends = model_says(model, shown, 0), model_says(model, shown, 1 if when == "after Now" else 0)
    if any(not min(e[m] for e in ends) <= spoken[m] <= max(e[m] for e in ends) for m in MOONS):
        sys.exit(f"FAIL {when}: for {shown} a screen reader hears {spoken}, the model gives {ends}")
    # Left to right by the offsets heard; two moons heard at the same hundredth
    # of an arcminute may stand in either order (the window sorts unrounded).
    place = {"Jupiter": 0.0, **spoken}
    window = app.getChildAtIndex(0)
    prefix = "From left to right: "
    names = window.description[len(prefix):].split(", ") if window.description.startswith(prefix) else []
    in_order = sorted(names) == sorted(place) and all(place[a] <= place[b] for a, b in zip(names, names[1:]))
    if window.name != "Satrivox" or not in_order:
        described = prefix + ", ".join(sorted(place, key=place.get))
        sys.exit(f"FAIL {when}: the window {window.name!r} describes the plot as {window.description!r}, not {described!r}")


def main():
    program, model = sys.argv[1:3]
    settings = tempfile.TemporaryDirectory()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", TZ="UTC",
               XDG_CONFIG_HOME=settings.name)
    window = subprocess.Popen([program], env=env)
    try:
        app = application()
        names = []
        pyatspi.Registry.registerEventListener(
            lambda event: names.append(event.source.name), "object:property-change:accessible-name")
        pump(1.0)
        check(app, model, "start-up")
        find(app, lambda n: n.name == "Date and time to plot", "the picker").queryEditableText().setTextContents(
            "02/28/2027 22:30")  # typed in, as any user can
        pump(0.5)
        for button, changes in (("Plot", True), ("Plot", False), ("Now", True)):
            names.clear()
            before = heard(app)
            find(app, lambda n, b=button: n.getRole() == pyatspi.ROLE_PUSH_BUTTON and n.name == b, button).queryAction().doAction(0)
            pump(1.5)
            check(app, model, f"after {button}")
            changed = [moon for moon in MOONS if heard(app)[moon] != before[moon]]
            announced = sorted(name.split(",")[0] for name in names if name.split(",")[0] in MOONS)
            if bool(changed) != changes or announced != sorted(changed):
                sys.exit(f"FAIL after {button}: changed {changed}, announced {announced}: each change once, and no more")
    finally:
        window.terminate()
        window.wait(10)
        settings.cleanup()
    print("PASS")


main()
